#include "view/Segments.h"

#include <algorithm>

namespace Lecterna {

void Segments::setup(int64_t lineCount) {
    m_lineCount = std::max<int64_t>(lineCount, 0);
    m_segmentSize = (m_limited || m_lineCount == 0) ? kLimitedSegmentSize : m_lineCount;
    // Truncating division: an empty list still has one (empty) segment.
    m_segmentCount = (m_lineCount - 1) / m_segmentSize + 1;
}

Segments::Shown Segments::goToLine(int64_t knownSegment, int64_t line) {
    Shown shown;
    line = std::max<int64_t>(std::min(line, m_lineCount - 1), 0);
    const int64_t segment = line / m_segmentSize;
    m_current = segment;
    if (segment != knownSegment) {
        shown.reload = true;
        const bool last = segment == m_segmentCount - 1;
        m_linesInSegment = last ? m_lineCount - (m_segmentCount - 1) * m_segmentSize : m_segmentSize;
        m_nextEnabled = !last;
        m_caption = std::to_string(segment + 1);
    }
    shown.line = line;
    shown.topRow = line - segment * m_segmentSize;
    return shown;
}

std::optional<int64_t> Segments::nextSegmentLine() const {
    if (isLastSegment())
        return std::nullopt;
    return (m_current + 1) * m_segmentSize;
}

std::optional<int64_t> Segments::previousSegmentLine(int linesPerPage) const {
    if (m_current == 0)
        return std::nullopt;
    return m_current * m_segmentSize - linesPerPage;
}

std::optional<int64_t> Segments::menuItemLine(int64_t tag) const {
    if (tag == m_current || tag < 0 || tag >= m_segmentCount)
        return std::nullopt;
    return tag * m_segmentSize;
}

std::vector<Segments::MenuItem> Segments::menu() const {
    std::vector<MenuItem> items;
    if (m_segmentCount == 1)
        return items;
    items.reserve(static_cast<size_t>(m_segmentCount));
    for (int64_t s = 0; s < m_segmentCount; ++s)
        items.push_back({std::to_string(s + 1), s, s == m_current});
    return items;
}

} // namespace Lecterna
