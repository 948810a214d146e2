#include "view/Paging.h"
#include "view/Segments.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Lecterna;

namespace {

PageView view(int64_t top, int64_t rows, bool lastLine, bool doublePage, int64_t p = 30, int64_t visible = 30) {
    return PageView{top, rows, p, visible, lastLine, doublePage};
}

// The tops a reader sees pressing PgDn from `top` until the segment is used up, as a list box
// shows them.
std::vector<int64_t> pagesForward(PageView v) {
    std::vector<int64_t> shown{Paging::shownTop(v.top, v.rows, v.visibleRows)};
    for (;;) {
        const PageMove move = Paging::forward(v);
        if (move.kind != PageMove::Kind::Top)
            return shown;
        v.top = Paging::shownTop(move.top, v.rows, v.visibleRows);
        shown.push_back(v.top);
    }
}

} // namespace

TEST(Paging, MovesInTheMiddleOfTheText) {
    struct Case {
        const char* what;
        PageView view;
        int64_t forward, space, back, rightAlt;
    };
    const Case cases[] = {
        // The last line of a page is the first of the next, and the first of a page the last of
        // the one before.
        {"last line kept", view(100, 1000, true, false), 129, 129, 71, 71},
        {"pages apart", view(100, 1000, false, false), 130, 130, 70, 70},
        // Two pages are replaced at once, still keeping one line.
        {"double, last line kept", view(100, 1000, true, true), 159, 159, 41, 41},
        {"double, pages apart", view(100, 1000, false, true), 160, 160, 40, 40},
        // A readable part-row counts for PgDn and PgUp but not for Space, which moves by the
        // whole rows as the list box's own page step does.
        {"part-row", view(100, 1000, true, false, 31, 30), 130, 129, 71, 71},
        {"double, part-row", view(100, 1000, true, true, 31, 30), 160, 159, 40, 41},
        // Back never goes above the first row.
        {"near the start", view(10, 1000, true, true), 69, 69, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Paging::forward(c.view), PageMove::to(c.forward)) << c.what;
        EXPECT_EQ(Paging::spaceForward(c.view), PageMove::to(c.space)) << c.what;
        EXPECT_EQ(Paging::back(c.view), PageMove::to(c.back)) << c.what;
        EXPECT_EQ(Paging::rightAltBack(c.view), PageMove::to(c.rightAlt)) << c.what;
    }
}

TEST(Paging, TheEndComesIntoViewAsAFullPage) {
    struct Case {
        const char* what;
        PageView start;
        std::vector<int64_t> pages;
    };
    const Case cases[] = {
        {"last line kept", view(0, 100, true, false), {0, 29, 58, 70}},
        {"pages apart", view(0, 100, false, false), {0, 30, 60, 70}},
        {"double page", view(0, 200, true, true), {0, 59, 118, 170}},
        {"shorter than a page", view(0, 20, true, false), {0}},
        {"empty", view(0, 0, true, false), {0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pagesForward(c.start), c.pages) << c.what;
        // Every page shown is full: the last row of the segment is at the bottom at most.
        for (int64_t top : c.pages)
            EXPECT_LE(top + c.start.visibleRows, std::max<int64_t>(c.start.rows, c.start.visibleRows)) << c.what;
    }
    // At the last screen Space stays where it is instead of changing the segment.
    EXPECT_EQ(Paging::shownTop(Paging::spaceForward(view(70, 100, true, false)).top, 100, 30), 70);
}

TEST(Paging, SegmentChangesAtTheEdgesOfALimitedSegment) {
    constexpr int64_t kSize = Segments::kLimitedSegmentSize;
    Segments segments(true);
    segments.setup(2 * kSize + 100);
    const int64_t start = segments.goToLine(-1, kSize - 200).topRow;
    PageView v = view(start, segments.linesInSegment(), true, false);

    // Paging forward ends on the last full page of segment 0 and then asks for segment 1.
    const std::vector<int64_t> pages = pagesForward(v);
    EXPECT_EQ(pages.back(), kSize - 30);
    v.top = pages.back();
    ASSERT_EQ(Paging::forward(v), PageMove::next());
    const auto next = segments.goToLine(0, *segments.nextSegmentLine());
    EXPECT_EQ(std::tie(next.topRow, next.reload), std::make_tuple(int64_t(0), true));
    EXPECT_EQ(segments.currentSegment(), 1);

    // At the first row of segment 1 both kinds of back ask for the last page of segment 0.
    v = view(0, segments.linesInSegment(), true, false);
    EXPECT_EQ(Paging::back(v), PageMove::previous());
    EXPECT_EQ(Paging::rightAltBack(v), PageMove::previous());
    EXPECT_EQ(segments.goToLine(1, *segments.previousSegmentLine(30)).topRow, kSize - 30);

    // The last segment holds 100 rows: its end is shown, then paging forward does nothing more.
    segments.goToLine(-1, 2 * kSize);
    v = view(0, segments.linesInSegment(), true, false);
    EXPECT_EQ(pagesForward(v), (std::vector<int64_t>{0, 29, 58, 70}));
    EXPECT_EQ(segments.nextSegmentLine(), std::nullopt);
}

TEST(Paging, LinesAndSidewaysScrolling) {
    EXPECT_EQ(Paging::lineUp(view(0, 100, true, false)), PageMove::to(0));
    EXPECT_EQ(Paging::screen(0), 1); // a row taller than the area still moves
    // A screen is the client width; the scroll stays within the widest line.
    EXPECT_EQ(Paging::horizontalScreen(400, 1, 400, 1000), 600);
    EXPECT_EQ(Paging::horizontalScreen(300, -1, 400, 1000), 0);
    EXPECT_EQ(Paging::horizontalScreen(0, 1, 400, 300), 0);

    using C = Paging::Click;
    const Paging::ClickArea wide{500, 400, false, 2000, false};
    struct Case {
        int x, y;
        Paging::ClickArea area;
        C click;
    } const cases[] = {
        {99, 300, wide, C::ScrollLeft}, // the outer fifths of unwrapped text scroll sideways
        {401, 10, wide, C::ScrollRight},
        {250, 10, wide, C::PageBack}, // the middle pages as usual
        {250, 300, wide, C::PageForward},
        {10, 300, {500, 400, true, 2000, false}, C::PageForward}, // wrapped text never scrolls sideways
        {10, 10, {500, 400, false, 400, false}, C::PageBack},     // nor text that fits
        {10, 300, {500, 400, false, 2000, true}, C::PageBack},    // left page back, right page on
        {490, 10, {500, 400, false, 2000, true}, C::PageForward},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Paging::click(c.x, c.y, c.area), c.click) << c.x << ',' << c.y;
}
