#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Lecterna {

// The line list seen through a list control that may hold only so many rows: the lines are cut
// into segments of equal size and the reading area holds the rows of one segment. Row r of
// segment s is line s * segmentSize + r. Our reading area holds any number of rows, so it uses
// one segment for the whole list; the arithmetic stays so that stored positions (absolute line
// indexes) mean the same in every configuration.
class Segments {
public:
    // Rows of a segment when the list control is limited (the size books were always cut at).
    static constexpr int64_t kLimitedSegmentSize = 32736;

    // `limited`: cut into segments of kLimitedSegmentSize; otherwise the whole list is one.
    explicit Segments(bool limited = false) : m_limited(limited) { setup(0); }

    // Recomputes size and count for a new line list (after every layout). Keeps the current
    // segment number; the next goToLine() decides which segment is shown.
    void setup(int64_t lineCount);

    int64_t lineCount() const { return m_lineCount; }
    int64_t segmentSize() const { return m_segmentSize; }
    int64_t segmentCount() const { return m_segmentCount; }
    int64_t currentSegment() const { return m_current; }
    int64_t linesInSegment() const { return m_linesInSegment; }
    bool isLastSegment() const { return m_current >= m_segmentCount - 1; }
    // The segment buttons show only when there is more than one segment.
    bool panelVisible() const { return m_segmentCount >= 2; }
    bool nextEnabled() const { return m_nextEnabled; }
    // Caption of the current-segment button: the 1-based segment number.
    const std::string& buttonCaption() const { return m_caption; }

    struct Shown {
        int64_t line = 0;    // the absolute line now at the top, after clamping
        int64_t topRow = 0;  // its row in the segment; also the list's current row
        bool reload = false; // the segment changed: the list must be refilled with linesInSegment() rows
    };
    // Brings `line` to the top (clamped into the list), changing segment when needed.
    // `knownSegment` is the segment the caller has loaded, or -1 to force a reload.
    Shown goToLine(int64_t knownSegment, int64_t line);

    // Absolute index of the line at row `topRow` of the current segment.
    int64_t currentPosition(int64_t topRow) const { return m_current * m_segmentSize + topRow; }

    // Lines to go to for the segment commands; nothing when the command does nothing.
    std::optional<int64_t> nextSegmentLine() const;
    // Shows the last page of the previous segment.
    std::optional<int64_t> previousSegmentLine(int linesPerPage) const;
    std::optional<int64_t> menuItemLine(int64_t tag) const;

    struct MenuItem {
        std::string caption; // 1-based number
        int64_t tag = 0;     // 0-based segment
        bool checked = false;
    };
    // One radio item per segment; empty when the book is one segment.
    std::vector<MenuItem> menu() const;

private:
    bool m_limited;
    int64_t m_lineCount = 0;
    int64_t m_segmentSize = kLimitedSegmentSize;
    int64_t m_segmentCount = 1;
    int64_t m_current = 0;
    int64_t m_linesInSegment = 0;
    bool m_nextEnabled = false;
    std::string m_caption = "1";
};

} // namespace Lecterna
