#pragma once

#include "document/TextSpan.h"

#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

// The decoded text of the open book, one entry per paragraph. The text stays in one buffer in
// the book's display code page; paragraphs are spans into it. NUL bytes are ordinary characters.
class ParagraphList {
public:
    // Splits at line breaks: a paragraph runs up to the next CR or LF; then one CR and then one
    // LF are skipped. A text ending with a break gives no extra empty paragraph, and LF CR
    // counts as two breaks. The buffer keeps the separators; spans exclude them.
    void setTextKeepingNul(std::string text);
    void clear();

    size_t count() const { return m_spans.size(); }
    bool isEmpty() const { return m_spans.empty(); }
    std::string_view paragraph(size_t i) const {
        const TextSpan& s = m_spans[i];
        return std::string_view(m_text.data() + s.offset, s.length);
    }
    const TextSpan& span(size_t i) const { return m_spans[i]; }
    const std::vector<TextSpan>& spans() const { return m_spans; }

    // The buffer the spans point into (paragraphs separated by their original line breaks).
    const std::string& buffer() const { return m_text; }
    // Takes the buffer back out, for a pipeline step that rebuilds the text; leaves the list empty.
    std::string takeBuffer();

private:
    std::string m_text;
    std::vector<TextSpan> m_spans;
};

} // namespace Lecterna
