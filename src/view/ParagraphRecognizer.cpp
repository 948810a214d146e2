#include "view/ParagraphRecognizer.h"

#include "app/ProgressSink.h"

#include <algorithm>

namespace Lecterna {

namespace {

// Makes room for `count` more bytes in a growing result: the string grows by the input's length.
inline void ensureRoom(std::string* text, char*& w, char*& limit, size_t count, size_t step) {
    if (static_cast<size_t>(limit - w) >= count)
        return;
    const size_t used = static_cast<size_t>(w - text->data());
    text->resize(text->size() + std::max(step, count));
    w = text->data() + used;
    limit = text->data() + text->size();
}

} // namespace

// The cursors are plain locals so that they stay in registers: the output is written through char
// pointers, which the compiler must assume may point at any member.
template <bool Growing>
bool ParagraphRecognizer::run(const char* s, size_t n, char* out, std::string* growable, size_t& length,
                              ProgressSink& progress) const {
    progress.setMaximum(n);
    const LetterTable& letters = m_letters;
    const bool nonAlphaBegins = m_options.nonAlphaSymbolIsParagraphBegin;
    const size_t step = std::max<size_t>(n, 64);
    char* w = out;
    char* limit = Growing ? growable->data() + growable->size() : nullptr;
    bool paragraphStart = true;
    size_t nextPoll = 0;   // where the reader is next asked about skipping
    size_t nextReport = 0; // where the progress is next reported
    size_t i = 0;
    while (i < n) {
        if (paragraphStart) {
            const char c = s[i];
            if (c != '\r' && c != '\n') {
                if constexpr (Growing) {
                    ensureRoom(growable, w, limit, 1, step);
                    *w++ = '\r';
                }
                // The indentation of the first line is kept as it is.
                while (i < n && (s[i] == '\t' || s[i] == ' ')) {
                    if constexpr (Growing)
                        ensureRoom(growable, w, limit, 1, step);
                    *w++ = s[i++];
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
        } else {
            // Inside a paragraph: copy up to the next space or line break.
            char c = s[i];
            while (c != ' ' && c != '\r' && c != '\n') {
                if constexpr (Growing)
                    ensureRoom(growable, w, limit, 1, step);
                *w++ = c;
                if (++i >= n)
                    break;
                c = s[i];
            }
            if (i >= n)
                break;
            if (c == ' ') {
                if (i >= nextPoll) {
                    if (progress.skipRequested())
                        return false;
                    nextPoll = i + kPollInterval;
                }
                if constexpr (Growing)
                    ensureRoom(growable, w, limit, 1, step);
                *w++ = ' ';
                while (i < n && s[i] == ' ')
                    ++i;
                continue;
            }
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
        else if (nonAlphaBegins)
            paragraphStart = !letters[next];
        else
            paragraphStart = next == '\t' || next == ' ';

        if (paragraphStart) {
            const size_t breaks = std::max<size_t>(k, 1);
            if constexpr (Growing)
                ensureRoom(growable, w, limit, breaks, step);
            for (size_t b = 0; b < breaks; ++b)
                *w++ = '\r';
        } else if (w - (Growing ? growable->data() : out) > 1 && w[-1] == '-' && w[-2] != '\t' && w[-2] != ' ') {
            --w; // a word hyphenated across the lines is glued together
        } else {
            if constexpr (Growing)
                ensureRoom(growable, w, limit, 1, step);
            *w++ = ' ';
        }
    }
    progress.setPosition(n);
    length = static_cast<size_t>(w - (Growing ? growable->data() : out));
    return true;
}

bool ParagraphRecognizer::recognize(std::string_view in, std::string& out, ProgressSink& progress) const {
    out.clear();
    out.resize(std::max<size_t>(in.size(), 64));
    size_t length = 0;
    const bool done = m_options.addInterParagraphSpace
                          ? run<true>(in.data(), in.size(), out.data(), &out, length, progress)
                          : run<false>(in.data(), in.size(), out.data(), nullptr, length, progress);
    out.resize(done ? length : 0);
    return done;
}

bool ParagraphRecognizer::recognizeInPlace(std::string& text, ProgressSink& progress) const {
    if (m_options.addInterParagraphSpace) {
        std::string out;
        if (!recognize(text, out, progress))
            return false;
        text = std::move(out);
        return true;
    }
    size_t length = 0;
    if (!run<false>(text.data(), text.size(), text.data(), nullptr, length, progress))
        return false;
    text.resize(length);
    return true;
}

} // namespace Lecterna
