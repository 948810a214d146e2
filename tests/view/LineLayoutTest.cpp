#include "view/LineLayout.h"

#include "document/ParagraphList.h"
#include "support/ReferenceWrap.h"
#include "view/LetterSpacing.h"
#include "view/LineList.h"
#include "view/PageGeometry.h"
#include "view/PositionScaling.h"

#include <gtest/gtest.h>

#include <random>

using namespace Lecterna;

namespace {

// Every byte 10 px, tab stops every 40 px: easy to count by hand.
const ByteMetrics kTen = ByteMetrics::fixedPitch(10, 40);

std::vector<std::string> layOut(const std::string& text, int wrapWidth, bool wrap = true,
                                const ByteMetrics& metrics = kTen) {
    ParagraphList paragraphs;
    paragraphs.setTextKeepingNul(text);
    LineLayout layout(metrics);
    LineList lines;
    layout.layOut(paragraphs, wrap, wrapWidth, lines);
    std::vector<std::string> out;
    for (size_t i = 0; i < lines.count(); ++i)
        out.emplace_back(lines.line(i));
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(LineLayout, WrapsByTheRule) {
    struct Case {
        const char* name;
        std::string text;
        int width;
        Lines expected;
    };
    const Case cases[] = {
        {"exactly as wide as the wrap width stays one line", "abcde", 50, {"abcde"}},
        {"one pixel narrower breaks", "abc de", 59, {"abc", "de"}},
        {"hyphenated word breaks after the hyphen", "a well-known", 80, {"a well-", "known"}},
        {"run of spaces at a break never starts the next line", "aaaa     bbbb", 60, {"aaaa ", "bbbb"}},
        {"indentation stays on the first line", "   ab cd", 200, {"   ab cd"}},
        {"a word wider than the line is cut between characters", "abcdefghij", 35, {"abc", "def", "ghi", "j"}},
        {"a character wider than the line is still a line", "ab", 5, {"a", "b"}},
        {"trailing blanks that fit stay", "ab  ", 100, {"ab  "}},
        {"blanks that do not fit vanish", "ab    ", 30, {"ab"}},
        {"empty paragraph is one empty line", "a\n\nb", 100, {"a", "", "b"}},
        {"tab expands from the line start", "\tab cd", 70, {"\tab", "cd"}},
        {"tab on the second line measures from that line", "ab x\ty", 50, {"ab", "x\ty"}},
        {"no more bytes than pixels", "abcdef", 4, {"a", "b", "c", "d", "e", "f"}},
        {"a run of TABs at a break longer than the wrap width",
         "aa" + std::string(200, '\t') + "bb",
         30,
         {"a", "a", "bb"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layOut(c.text, c.width), c.expected) << c.name;
}

TEST(LineLayout, ZeroWidthBytesCountOnlyAgainstTheByteLimit) {
    ByteMetrics m = kTen;
    m.advance['\f'] = 0;
    EXPECT_EQ(layOut(std::string(7, '\f'), 3, true, m), (Lines{"\f\f\f", "\f\f\f", "\f"}));
}

TEST(LineLayout, UnwrappedAndNarrowWindowsGiveOneLinePerParagraph) {
    const std::string text = "first paragraph\n\nthird one";
    const Lines whole{"first paragraph", "", "third one"};
    EXPECT_EQ(layOut(text, 30, false), whole);
    // A window narrower than its margins must not hang: it lays out unwrapped.
    EXPECT_EQ(layOut(text, 0), whole);
    EXPECT_EQ(layOut(text, -25), whole);
    EXPECT_TRUE(layOut("", 100).empty());
}

TEST(LineLayout, ReportsTheWidestLine) {
    ParagraphList paragraphs;
    paragraphs.setTextKeepingNul("abc\n\tx\nabcdefgh ij");
    LineLayout layout(kTen);
    LineList lines;
    layout.layOut(paragraphs, false, 0, lines);
    EXPECT_EQ(layout.widestLine(), toFixed(110));
    layout.layOut(paragraphs, true, 85, lines); // "abcdefgh" is the widest wrapped line
    EXPECT_EQ(layout.widestLine(), toFixed(80));
}

// The layout takes its widths from running sums over a window that slides along each paragraph;
// the reference measures every candidate from scratch. They must agree on anything, including
// paragraphs far longer than the window, TABs anywhere, zero-width bytes and one-pixel widths.
TEST(LineLayout, AgreesWithTheDirectRuleOnRandomText) {
    std::mt19937 rng(20240601);
    const std::string alphabet = "aaaaabbbbccW   --\t\f\xe0\xe1";
    for (int round = 0; round < 300; ++round) {
        ByteMetrics m;
        std::uniform_int_distribution<int> advance(0, 20 * 64);
        for (int32_t& a : m.advance)
            a = advance(rng);
        m.advance['\f'] = 0;
        m.tabStop = std::uniform_int_distribution<int>(0, 100)(rng) * 64;

        std::string text;
        const int paragraphs = std::uniform_int_distribution<int>(0, 6)(rng);
        for (int p = 0; p < paragraphs; ++p) {
            const int length = std::uniform_int_distribution<int>(0, round % 10 == 0 ? 3000 : 200)(rng);
            for (int i = 0; i < length; ++i)
                text += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
            text += '\n';
        }
        ParagraphList list;
        list.setTextKeepingNul(text);
        const int width = std::uniform_int_distribution<int>(1, round % 3 == 0 ? 20 : 400)(rng);

        LineLayout layout(m);
        ASSERT_EQ(layout.wrappedSpans(list, width), Reference::layOut(list, m, width))
            << "round " << round << " width " << width;
        if (!list.isEmpty()) {
            const std::string_view first = list.paragraph(0);
            ASSERT_EQ(LineLayout::wrapLine(m, first, width), Reference::wrapLine(m, first, width));
        }
    }
}

TEST(LineLayout, HorizontalExtent) {
    struct Case {
        int64_t widest;
        bool wrap;
        int expected;
    };
    // Margins 5 and 7, client 300.
    const Case cases[] = {
        {toFixed(200), false, 205},     // fits: no right margin
        {toFixed(296), false, 308},     // wider than the client: both margins
        {toFixed(200) + 1, false, 206}, // a part of a pixel still takes the pixel
        {toFixed(296), true, 300},      // wrapped text never scrolls sideways
        {0, false, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(horizontalExtent(c.widest, 5, 7, 300, c.wrap), c.expected) << c.widest;
}

TEST(PageGeometry, SingleAndDoublePages) {
    struct Case {
        int client;
        bool doublePage;
        int page, separator, wrap;
    };
    const Case cases[] = {
        {800, false, 800, 0, 790}, {800, true, 393, 13, 383}, {801, true, 394, 14, 384},
        {20, false, 20, 0, 10},    {8, false, 8, 0, -2}, // narrower than the margins: wrap width below 1
        {10, true, 0, 13, -10},
    };
    for (const Case& c : cases) {
        const PageGeometry g = PageGeometry::compute(c.client, c.doublePage, 5, 5);
        EXPECT_EQ(g.pageWidth, c.page) << c.client << ' ' << c.doublePage;
        EXPECT_EQ(g.separatorWidth, c.separator) << c.client << ' ' << c.doublePage;
        EXPECT_EQ(g.wrapWidth, c.wrap) << c.client << ' ' << c.doublePage;
    }
}

TEST(LetterSpacing, PixelsRoundHalvesToEven) {
    struct Case {
        int mode;
        double points;
        int expected;
    };
    const Case cases[] = {
        {1, 10, 0},  // -0.5 -> 0
        {1, 30, -2}, // -1.5 -> -2
        {1, 50, -2}, // -2.5 -> -2
        {1, 12, -1}, // -0.6
        {3, 12, 1},  // +0.6
        {3, 70, 4},  // 3.5 -> 4
        {2, 70, 0},  {0, 70, 0}, {9, 70, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(letterSpacingPixels(c.mode, c.points, 5, 5), c.expected) << c.mode << ' ' << c.points;
}

TEST(LetterSpacing, AppliesToPrintingBytesWithoutGoingNegative) {
    ByteMetrics m = ByteMetrics::fixedPitch(3, 40);
    m.advance['\r'] = 0;
    applyLetterSpacing(m, 2);
    EXPECT_EQ(m.width("ab"), toFixed(10));
    EXPECT_EQ(m.advance['\r'], 0);
    applyLetterSpacing(m, -9);
    EXPECT_EQ(m.width("ab\t"), toFixed(40));
}

TEST(PositionScaling, TopLineAndBookmarks) {
    EXPECT_EQ(scaleTopLine(500, 1000, 2000), 1000); // doubling the lines keeps the passage
    EXPECT_EQ(scaleTopLine(999, 1000, 500), 499);
    EXPECT_EQ(scaleTopLine(7, 0, 300), 0); // nothing laid out before
    EXPECT_EQ(scaleTopLine(0, 10, 0), 0);

    EXPECT_EQ(scaleBookmarkPosition(999, 1000, 500), 499);
    EXPECT_EQ(scaleBookmarkPosition(0, 1000, 500), 0);
    EXPECT_EQ(scaleBookmarkPosition(10, 0, 500), 10); // no old count: kept
    EXPECT_EQ(scaleBookmarkPosition(10, 30, 30), 10); // same count: kept
    EXPECT_EQ(scaleBookmarkPosition(2, 3, 9), 6);     // quotient first: 3.0 * 2
    EXPECT_EQ(scaleBookmarkPosition(1, 3, 1), 0);     // 0.333... rounds down
}
