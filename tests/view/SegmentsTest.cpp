#include "view/Segments.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {
constexpr int64_t kSize = Segments::kLimitedSegmentSize;
}

TEST(Segments, SizeAndCount) {
    struct Case {
        bool limited;
        int64_t lines, size, count, lastSegmentRows;
    };
    const Case cases[] = {
        {false, 100000, 100000, 1, 100000}, // the whole list is one segment
        {false, 0, kSize, 1, 0},            // an empty book still has one (empty) segment
        {true, kSize, kSize, 1, kSize},
        {true, kSize + 1, kSize, 2, 1},
    };
    for (const Case& c : cases) {
        Segments s(c.limited);
        s.setup(c.lines);
        EXPECT_EQ(s.segmentSize(), c.size) << c.lines;
        EXPECT_EQ(s.segmentCount(), c.count) << c.lines;
        EXPECT_EQ(s.panelVisible(), c.count >= 2) << c.lines;
        EXPECT_EQ(s.menu().size(), c.count == 1 ? 0u : size_t(c.count)) << c.lines;
        EXPECT_EQ(s.goToLine(-1, c.lines - 1).line, std::max<int64_t>(c.lines - 1, 0)) << c.lines;
        EXPECT_EQ(s.linesInSegment(), c.lastSegmentRows) << c.lines;
        EXPECT_FALSE(s.nextEnabled()) << c.lines;
    }
}

TEST(Segments, GoToLineClampsAndChangesSegment) {
    Segments s(true);
    s.setup(2 * kSize + 100);
    struct Step {
        int64_t known, line, shownLine, segment, topRow;
        bool reload, nextEnabled;
        const char* caption;
    };
    const Step steps[] = {
        {-1, 5, 5, 0, 5, true, true, "1"},
        {0, 7, 7, 0, 7, false, true, "1"},                        // same segment: rows stay
        {0, kSize, kSize, 1, 0, true, true, "2"},                 // first line of segment 1
        {1, 10 * kSize, 2 * kSize + 99, 2, 99, true, false, "3"}, // beyond the end: last line
        {2, -40, 0, 0, 0, true, true, "1"},                       // negative: line 0
    };
    for (const Step& st : steps) {
        const Segments::Shown shown = s.goToLine(st.known, st.line);
        EXPECT_EQ(std::tie(shown.line, shown.topRow, shown.reload), std::tie(st.shownLine, st.topRow, st.reload))
            << st.line;
        EXPECT_EQ(s.currentSegment(), st.segment) << st.line;
        EXPECT_EQ(s.nextEnabled(), st.nextEnabled) << st.line;
        EXPECT_EQ(s.buttonCaption(), st.caption) << st.line;
    }
}

TEST(Segments, PositionAndSegmentCommands) {
    Segments s(true);
    s.setup(3 * kSize);
    s.goToLine(-1, 2 * kSize + 10);
    EXPECT_EQ(s.currentPosition(10), 2 * kSize + 10);
    EXPECT_EQ(s.nextSegmentLine(), std::nullopt); // last segment

    s.goToLine(-1, kSize + 3);
    EXPECT_EQ(s.nextSegmentLine(), 2 * kSize);
    // From segment 1 the previous command lands on the last page of segment 0; in 0 it does nothing.
    EXPECT_EQ(s.goToLine(-1, *s.previousSegmentLine(40)).topRow, kSize - 40);
    EXPECT_EQ(s.previousSegmentLine(40), std::nullopt);

    EXPECT_EQ(s.menuItemLine(0), std::nullopt); // the current segment: nothing to do
    EXPECT_EQ(s.menuItemLine(2), 2 * kSize);
    const auto menu = s.menu();
    EXPECT_EQ(std::tie(menu[2].caption, menu[2].tag), std::make_tuple("3", 2));
    EXPECT_TRUE(menu[0].checked);
    EXPECT_FALSE(menu[1].checked);
}
