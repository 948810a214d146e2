#include "view/SizeFitting.h"

#include "document/ParagraphList.h"
#include "view/LineList.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {
// A fixed-pitch font whose characters are half as wide as they are tall.
ByteMetrics halfWidth(int charHeight) {
    ByteMetrics m;
    m.advance.fill(charHeight * 32);
    m.advance['\r'] = 0;
    return m;
}
} // namespace

TEST(SizeFitting, ReferenceLines) {
    struct Case {
        const char* name;
        std::vector<int64_t> widths;
        size_t widest, smart;
    };
    const Case cases[] = {
        {"one over-long line decides only the plain choice", {60, 70, 80, 75, 65, 80, 500}, 6, 2},
        {"equal widths: the first", {10, 30, 30, 5}, 1, 1},
        {"no lines", {}, SizeFitting::kNone, SizeFitting::kNone},
        // Widths past 65535 pixels stay what they are (no 16-bit wrap-around).
        {"very wide lines", {70000, 100, 131072}, 2, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SizeFitting::widestLine(c.widths), c.widest) << c.name;
        EXPECT_EQ(SizeFitting::smartReferenceLine(c.widths), c.smart) << c.name;
    }

    ParagraphList paragraphs;
    paragraphs.setTextKeepingNul("ab\n\nabc");
    LineList lines;
    lines.assign(&paragraphs.buffer(), paragraphs.spans());
    ByteMetrics m;
    m.advance.fill(100); // 1.5625 px: whole pixels are rounded up
    EXPECT_EQ(SizeFitting::measureLines(lines, m), (std::vector<int64_t>{4, 0, 5}));
}

TEST(SizeFitting, HeightSearch) {
    const std::string eighty(80, 'x'); // 40 * height pixels wide
    struct Case {
        const char* name;
        std::string line;
        int current, room, expected;
    };
    const Case cases[] = {
        {"grows from the current height", eighty, 10, 800, 20},
        {"already just fits", eighty, 20, 800, 20},
        {"too big now: starts again from 1", eighty, 30, 800, 20},
        {"room for nothing still gives 1", eighty, 30, 0, 1},
        {"a line without width keeps the size", "\r\r", 14, 800, 14},
        {"the search is bounded", "x", 14, 1'000'000, SizeFitting::kMaxCharHeight},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SizeFitting::fitCharHeight(c.line, c.current, c.room, halfWidth), c.expected) << c.name;
}
