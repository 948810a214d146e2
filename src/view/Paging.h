#pragma once

#include <cstdint>

namespace Lecterna {

// Where the reader stands in the rows of the current segment, and the options that shape a page.
struct PageView {
    int64_t top = 0;          // t: the row at the top of the reading area
    int64_t rows = 0;         // n: rows of the current segment
    int64_t linesPerPage = 1; // p: whole rows plus a readable partial one (LineSpacing::linesPerPage)
    int64_t visibleRows = 1;  // V: rows that fit whole (client height div row height)
    bool viewLastLine = true; // v: the last line of a page is repeated at the top of the next
    bool doublePage = false;  // d: two pages side by side
};

// What a paging command asks for: a new top row, or the neighbouring segment (which the segment
// code turns into a line: Segments::nextSegmentLine / previousSegmentLine).
struct PageMove {
    enum class Kind { Top, NextSegment, PreviousSegment };
    Kind kind = Kind::Top;
    int64_t top = 0;

    static PageMove to(int64_t row) { return {Kind::Top, row}; }
    static PageMove next() { return {Kind::NextSegment, 0}; }
    static PageMove previous() { return {Kind::PreviousSegment, 0}; }
    bool operator==(const PageMove&) const = default;
};

// The paging rules of the reading area. The arithmetic is that of a list box showing the rows:
// its own page step is one screen, the whole visible rows less one, and it never shows a top row
// past rows - visibleRows. The tops returned here are never below 0 but may lie past that last
// full page; whoever shows them clamps them, as ReadingArea::setTopRow does, and that clamp is
// what brings the end of the segment into view instead of a half-empty page (shownTop()).
class Paging {
public:
    // PgDn and a click on the lower half: a page on, the last line of the old page at the top
    // when ViewLastLine is on; near the end, the end comes into view; at the end, the next segment.
    static PageMove forward(const PageView& view);
    // Space: the same move, but it never changes the segment.
    static PageMove spaceForward(const PageView& view);
    // PgUp and a click on the upper half; at the first row, the previous segment.
    static PageMove back(const PageView& view);
    // The right Alt key pressed alone: page back by screens (at the first row, the previous segment).
    static PageMove rightAltBack(const PageView& view);
    // One row up or down (the Up and Down keys turn a double page instead: see KeyHandler).
    static PageMove lineUp(const PageView& view);
    static PageMove lineDown(const PageView& view);

    // One screen: the list box's page step.
    static int64_t screen(int64_t visibleRows);
    // The top row a list box shows for `top`.
    static int64_t shownTop(int64_t top, int64_t rows, int64_t visibleRows);

    // Horizontal scrolling when lines are not wrapped: `offset` is the pixel column at the left
    // edge, `extent` the width of the widest line. A screen is the client width.
    static int horizontalScreen(int offset, int direction, int clientWidth, int extent);
    static int horizontalEnd(int clientWidth, int extent);

    // What a left click on the text does (ScrollByMouse on).
    enum class Click { ScrollLeft, ScrollRight, PageBack, PageForward };
    struct ClickArea {
        int width = 0, height = 0; // of the reading area's client
        bool wordWrap = true;
        int extent = 0; // widest line, pixels
        bool doublePage = false;
    };
    // Unwrapped text wider than the area scrolls sideways from the outer fifths; otherwise the
    // upper half (left page) pages back and the lower half (right page) forward.
    static Click click(int x, int y, const ClickArea& area);
};

} // namespace Lecterna
