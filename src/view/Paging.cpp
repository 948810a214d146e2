#include "view/Paging.h"

#include <algorithm>

namespace Lecterna {

namespace {

int64_t repeatedLine(const PageView& view) {
    return view.viewLastLine ? 1 : 0;
}

int64_t doubled(const PageView& view) {
    return view.doublePage ? 1 : 0;
}

} // namespace

int64_t Paging::screen(int64_t visibleRows) {
    return std::max<int64_t>(1, visibleRows - 1);
}

int64_t Paging::shownTop(int64_t top, int64_t rows, int64_t visibleRows) {
    return std::clamp<int64_t>(top, 0, std::max<int64_t>(0, rows - visibleRows));
}

PageMove Paging::forward(const PageView& view) {
    const int64_t t = view.top, n = view.rows, p = view.linesPerPage, d = doubled(view);
    // e: the row that becomes the top of the next page.
    const int64_t e = t + p - repeatedLine(view);
    if (e >= n - 1)
        return PageMove::next();
    // Fewer than a page left: move by what remains, which the list box's clamp turns into the
    // last full page rather than a page with empty rows below the end.
    int64_t top = (n - e >= p) ? e + d : t + (n - e) + d;
    // In double-page mode the right page comes along: one more screen replaces both pages.
    if (view.doublePage)
        top += screen(view.visibleRows);
    return PageMove::to(top);
}

PageMove Paging::spaceForward(const PageView& view) {
    const int64_t d = doubled(view);
    return PageMove::to(view.top + (1 - repeatedLine(view)) + d + screen(view.visibleRows) * (1 + d));
}

PageMove Paging::back(const PageView& view) {
    if (view.top <= 0)
        return PageMove::previous();
    int64_t top = view.top - (1 - repeatedLine(view));
    if (view.doublePage)
        top = std::max<int64_t>(0, top - view.linesPerPage);
    return PageMove::to(std::max<int64_t>(0, top - screen(view.visibleRows)));
}

PageMove Paging::rightAltBack(const PageView& view) {
    if (view.top <= 0)
        return PageMove::previous();
    const int64_t d = doubled(view);
    const int64_t top = std::max<int64_t>(0, view.top - (1 - repeatedLine(view)) - d);
    return PageMove::to(std::max<int64_t>(0, top - screen(view.visibleRows) * (1 + d)));
}

PageMove Paging::lineUp(const PageView& view) {
    return PageMove::to(std::max<int64_t>(0, view.top - 1));
}

PageMove Paging::lineDown(const PageView& view) {
    return PageMove::to(view.top + 1);
}

int Paging::horizontalEnd(int clientWidth, int extent) {
    return std::max(0, extent - clientWidth);
}

int Paging::horizontalScreen(int offset, int direction, int clientWidth, int extent) {
    const int64_t moved = int64_t(offset) + int64_t(direction) * clientWidth;
    return static_cast<int>(std::clamp<int64_t>(moved, 0, horizontalEnd(clientWidth, extent)));
}

Paging::Click Paging::click(int x, int y, const ClickArea& area) {
    // Double-page mode always wraps, so sideways paging never applies there.
    const bool sideways = !area.doublePage && !area.wordWrap && area.extent > area.width;
    if (sideways && int64_t(x) * 5 < area.width)
        return Click::ScrollLeft;
    if (sideways && int64_t(x) * 5 > int64_t(area.width) * 4)
        return Click::ScrollRight;
    if (area.doublePage)
        return int64_t(x) * 2 < area.width ? Click::PageBack : Click::PageForward;
    return int64_t(y) * 2 < area.height ? Click::PageBack : Click::PageForward;
}

} // namespace Lecterna
