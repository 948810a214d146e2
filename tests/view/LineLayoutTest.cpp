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
using Lines = std::vector<std::string>;

namespace {

// Every byte 10 px, tab stops every 40 px: easy to count by hand.
const ByteMetrics kTen = ByteMetrics::fixedPitch(10, 40);

Lines layOut(const std::string& text, int wrapWidth, bool wrap = true) {
    ParagraphList paragraphs;
    paragraphs.setTextKeepingNul(text);
    LineLayout layout(kTen);
    LineList lines;
    layout.layOut(paragraphs, wrap, wrapWidth, lines);
    Lines out;
    for (size_t i = 0; i < lines.count(); ++i)
        out.emplace_back(lines.line(i));
    return out;
}

} // namespace

TEST(LineLayout, WrapsByTheRule) {
    struct Case {
        const char* name;
        std::string text;
        int width;
        Lines expected;
        bool wrap = true;
    };
    const Case cases[] = {
        {"exactly as wide as the wrap width stays one line", "abcde", 50, {"abcde"}},
        {"hyphenated word breaks after the hyphen", "a well-known", 80, {"a well-", "known"}},
        {"run of spaces at a break never starts the next line", "aaaa     bbbb", 60, {"aaaa ", "bbbb"}},
        {"indentation stays on the first line", "   ab cd", 200, {"   ab cd"}},
        {"a word wider than the line is cut between characters", "abcdefghij", 35, {"abc", "def", "ghi", "j"}},
        {"a character wider than the line is still a line", "ab", 5, {"a", "b"}},
        {"blanks that do not fit vanish", "ab    ", 30, {"ab"}},
        {"empty paragraph is one empty line", "a\n\nb", 100, {"a", "", "b"}},
        {"tab expands from the line start", "\tab cd", 70, {"\tab", "cd"}},
        {"tab on the second line measures from that line", "ab x\ty", 50, {"ab", "x\ty"}},
        {"run of TABs at a break, longer than the wrap width",
         "aa" + std::string(200, '\t') + "bb",
         30,
         {"a", "a", "bb"}},
        {"unwrapped: one line per paragraph", "ab cd\n\nef", 10, {"ab cd", "", "ef"}, false},
        {"empty book", "", 100, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layOut(c.text, c.width, c.wrap), c.expected) << c.name;
    // A window narrower than its margins must not hang: it lays out unwrapped.
    EXPECT_EQ(layOut("ab cd\n\nef", 0), (Lines{"ab cd", "", "ef"}));
    EXPECT_EQ(layOut("ab cd", -25), (Lines{"ab cd"}));
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
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::string alphabet = "aaaaabbbbccW   --\t\t\f\xe0";
    for (int round = 0; round < 300; ++round) {
        ByteMetrics m;
        for (int32_t& a : m.advance)
            a = uniform(0, 20 * 64);
        m.advance['\f'] = 0;
        m.tabStop = uniform(0, 100) * 64;

        std::string text;
        for (int p = uniform(0, 6); p > 0; --p) {
            for (int i = uniform(0, round % 10 == 0 ? 3000 : 200); i > 0; --i)
                text += alphabet[static_cast<size_t>(uniform(0, static_cast<int>(alphabet.size()) - 1))];
            text += '\n';
        }
        ParagraphList list;
        list.setTextKeepingNul(text);
        const int width = uniform(1, round % 3 == 0 ? 20 : 400);

        LineLayout layout(m);
        ASSERT_EQ(layout.wrappedSpans(list, width), Reference::layOut(list, m, width)) << round;
        if (!list.isEmpty()) {
            const std::string_view first = list.paragraph(0);
            ASSERT_EQ(LineLayout::wrapLine(m, first, width), Reference::wrapLine(m, first, width));
        }
    }
}

TEST(LineLayout, HorizontalExtent) {
    // Margins 5 and 7, client 300.
    EXPECT_EQ(horizontalExtent(toFixed(200), 5, 7, 300, false), 205);     // fits: no right margin
    EXPECT_EQ(horizontalExtent(toFixed(296), 5, 7, 300, false), 308);     // wider: both margins
    EXPECT_EQ(horizontalExtent(toFixed(200) + 1, 5, 7, 300, false), 206); // a part of a pixel counts
    EXPECT_EQ(horizontalExtent(toFixed(296), 5, 7, 300, true), 300);      // wrapped text never scrolls
}

TEST(PageGeometry, SingleAndDoublePages) {
    struct Case {
        int client;
        bool doublePage;
        int page, separator, wrap;
    };
    const Case cases[] = {
        {800, false, 800, 0, 790}, {800, true, 393, 13, 383}, {801, true, 394, 14, 384},
        {8, false, 8, 0, -2},      {10, true, 0, 13, -10}, // narrower than the margins
    };
    for (const Case& c : cases) {
        const PageGeometry g = PageGeometry::compute(c.client, c.doublePage, 5, 5);
        EXPECT_EQ(std::tie(g.pageWidth, g.separatorWidth, g.wrapWidth), std::tie(c.page, c.separator, c.wrap))
            << c.client << ' ' << c.doublePage;
    }
}

TEST(LetterSpacing, PixelsRoundHalvesToEvenAndAdvancesStayPositive) {
    EXPECT_EQ(letterSpacingPixels(1, 10, 5, 5), 0);  // -0.5
    EXPECT_EQ(letterSpacingPixels(1, 30, 5, 5), -2); // -1.5
    EXPECT_EQ(letterSpacingPixels(1, 50, 5, 5), -2); // -2.5
    EXPECT_EQ(letterSpacingPixels(3, 70, 5, 5), 4);  // 3.5
    EXPECT_EQ(letterSpacingPixels(0, 70, 5, 5), 0);  // unknown modes are normal
    EXPECT_EQ(letterSpacingPixels(9, 70, 5, 5), 0);

    ByteMetrics m = ByteMetrics::fixedPitch(3, 40);
    m.advance['\r'] = 0;
    applyLetterSpacing(m, 2);
    EXPECT_EQ(m.width("ab\r"), toFixed(10));
    applyLetterSpacing(m, -9);
    EXPECT_EQ(m.width("ab\t"), toFixed(40));
}

TEST(PositionScaling, TopLine) {
    EXPECT_EQ(scaleTopLine(500, 1000, 2000), 1000); // doubling the lines keeps the passage
    EXPECT_EQ(scaleTopLine(999, 1000, 500), 499);
    EXPECT_EQ(scaleTopLine(2, 3, 9), 6);   // quotient first: 3.0 * 2
    EXPECT_EQ(scaleTopLine(7, 0, 300), 0); // nothing laid out before
}
