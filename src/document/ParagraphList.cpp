#include "document/ParagraphList.h"

#include <cstring>

namespace Lecterna {

void ParagraphList::setTextKeepingNul(std::string text) {
    m_text = std::move(text);
    m_spans.clear();
    const char* const data = m_text.data();
    const size_t size = m_text.size();
    size_t pos = 0;
    while (pos < size) {
        // memchr-style scan for the nearer of CR and LF; NUL is not special.
        size_t end = pos;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        m_spans.push_back({pos, static_cast<uint32_t>(end - pos)});
        pos = end;
        if (pos < size && data[pos] == '\r')
            ++pos;
        if (pos < size && data[pos] == '\n')
            ++pos;
    }
    m_spans.shrink_to_fit();
}

void ParagraphList::clear() {
    m_text.clear();
    m_text.shrink_to_fit();
    m_spans.clear();
    m_spans.shrink_to_fit();
}

std::string ParagraphList::takeBuffer() {
    std::string out = std::move(m_text);
    m_text.clear();
    m_spans.clear();
    return out;
}

} // namespace Lecterna
