#include "view/ParagraphRecognizer.h"

#include "app/ProgressSink.h"

#include <algorithm>

namespace Lecterna {

namespace {

// Writes into the buffer the text is read from. The writer never passes the reader: every step
// writes at most as many bytes as it has read (without inter-paragraph lines).
class InPlaceOutput {
public:
    explicit InPlaceOutput(char* buffer) : m_buffer(buffer) {}
    void ensure(size_t) {}
    void put(char c) { m_buffer[m_used++] = c; }
    size_t size() const { return m_used; }
    char at(size_t i) const { return m_buffer[i]; }
    void pop() { --m_used; }

private:
    char* m_buffer;
    size_t m_used = 0;
};

// Writes into a string of its own that grows in steps of the input's length.
class GrowingOutput {
public:
    GrowingOutput(std::string& text, size_t step) : m_text(text), m_step(std::max<size_t>(step, 64)) {
        m_text.resize(m_step);
    }
    void ensure(size_t count) {
        if (m_used + count > m_text.size())
            m_text.resize(m_text.size() + std::max(m_step, count));
    }
    void put(char c) { m_text[m_used++] = c; }
    size_t size() const { return m_used; }
    char at(size_t i) const { return m_text[i]; }
    void pop() { --m_used; }

private:
    std::string& m_text;
    size_t m_step;
    size_t m_used = 0;
};

} // namespace

template <class Output>
bool ParagraphRecognizer::run(const char* s, size_t n, Output& out, ProgressSink& progress) const {
    progress.setMaximum(n);
    const bool growing = m_options.addInterParagraphSpace;
    bool paragraphStart = true;
    size_t nextPoll = 0;   // where the reader is next asked about skipping
    size_t nextReport = 0; // where the progress is next reported
    size_t i = 0;
    while (i < n) {
        const char c = s[i];
        if (c != '\r' && c != '\n') {
            if (paragraphStart) {
                if (growing) {
                    out.ensure(1);
                    out.put('\r');
                }
                // The indentation of the first line is kept as it is.
                while (i < n && (s[i] == '\t' || s[i] == ' ')) {
                    if (growing)
                        out.ensure(1);
                    out.put(s[i++]);
                }
                if (i >= n)
                    break;
                paragraphStart = false;
                if (i >= nextReport) {
                    progress.setPosition(i);
                    nextReport = i + kPollInterval;
                }
                continue; // the character now at i may be a line break
            }
            if (growing)
                out.ensure(1);
            if (c == ' ') {
                if (i >= nextPoll) {
                    if (progress.skipRequested())
                        return false;
                    nextPoll = i + kPollInterval;
                }
                out.put(' ');
                while (i < n && s[i] == ' ')
                    ++i;
                continue;
            }
            out.put(c);
            ++i;
            continue;
        }

        // A run of line breaks: CR LF counts two, so an empty line in a CR LF text makes four.
        size_t count = 0;
        while (i < n && (s[i] == '\r' || s[i] == '\n')) {
            ++count;
            ++i;
        }
        if (i >= n)
            break; // breaks at the end of the text are dropped
        const size_t k = count / 2;
        const auto next = static_cast<unsigned char>(s[i]);
        if (k >= 2)
            paragraphStart = true;
        else if (m_options.nonAlphaSymbolIsParagraphBegin)
            paragraphStart = !m_letters[next];
        else
            paragraphStart = next == '\t' || next == ' ';

        if (paragraphStart) {
            const size_t breaks = std::max<size_t>(k, 1);
            if (growing)
                out.ensure(breaks);
            for (size_t b = 0; b < breaks; ++b)
                out.put('\r');
        } else if (out.size() > 1 && out.at(out.size() - 1) == '-' && out.at(out.size() - 2) != '\t' &&
                   out.at(out.size() - 2) != ' ') {
            out.pop(); // a word hyphenated across the lines is glued together
        } else {
            if (growing)
                out.ensure(1);
            out.put(' ');
        }
    }
    progress.setPosition(n);
    return true;
}

bool ParagraphRecognizer::recognize(std::string_view in, std::string& out, ProgressSink& progress) const {
    out.clear();
    GrowingOutput output(out, in.size());
    if (!run(in.data(), in.size(), output, progress)) {
        out.clear();
        return false;
    }
    out.resize(output.size());
    return true;
}

bool ParagraphRecognizer::recognizeInPlace(std::string& text, ProgressSink& progress) const {
    if (m_options.addInterParagraphSpace) {
        std::string out;
        if (!recognize(text, out, progress))
            return false;
        text = std::move(out);
        return true;
    }
    InPlaceOutput output(text.data());
    if (!run(text.data(), text.size(), output, progress))
        return false;
    text.resize(output.size());
    return true;
}

} // namespace Lecterna
