#pragma once

#include "document/TextSpan.h"

#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

// The display lines of the open book: spans into the paragraph buffer, one per row.
class LineList {
public:
    void assign(const std::string* buffer, std::vector<TextSpan> spans) {
        m_buffer = buffer;
        m_spans = std::move(spans);
    }
    void clear() { m_spans.clear(); }

    size_t count() const { return m_spans.size(); }
    bool isEmpty() const { return m_spans.empty(); }
    std::string_view line(size_t i) const {
        const TextSpan& s = m_spans[i];
        return std::string_view(m_buffer->data() + s.offset, s.length);
    }
    const TextSpan& span(size_t i) const { return m_spans[i]; }
    const std::vector<TextSpan>& spans() const { return m_spans; }

private:
    const std::string* m_buffer = nullptr;
    std::vector<TextSpan> m_spans;
};

} // namespace Lecterna
