#include "view/LineSpacing.h"

#include <gtest/gtest.h>

using namespace Lecterna;

TEST(LineSpacing, TableCarriesTheCustomValue) {
    const auto items = LineSpacing::items(9);
    EXPECT_EQ(items[0].caption, "&Одинарный");
    EXPECT_EQ(items[3].shortcut, "Ctrl+9");
    EXPECT_EQ(items[LineSpacing::kCustom].tenths, 9);
    EXPECT_EQ(LineSpacing::tenths(1, 9), 15);
    EXPECT_EQ(LineSpacing::tenths(4, 33), 33);
    EXPECT_EQ(LineSpacing::tenths(-1, 33), 10); // a record holding no spacing reads as single
}

TEST(LineSpacing, RowHeightRoundsHalvesToEven) {
    struct Case {
        int textHeight, tenths, expected;
    };
    const Case cases[] = {
        {16, 10, 16}, {16, 15, 24}, {15, 15, 22}, // 22.5 -> 22
        {17, 15, 26},                             // 25.5 -> 26
        {13, 25, 32},                             // 32.5 -> 32
        {16, 5, 8},   {16, 50, 80},               // custom extremes: half and five times
        {1, 5, 1},                                // 0.5 -> 0, but a row is never empty
    };
    for (const Case& c : cases)
        EXPECT_EQ(LineSpacing::rowHeight(c.textHeight, c.tenths), c.expected) << c.textHeight << 'x' << c.tenths;
}

TEST(LineSpacing, LinesPerPageCountsATallEnoughRemainder) {
    struct Case {
        int client, row, charHeight, expected;
    };
    const Case cases[] = {
        {400, 24, 16, 16}, // 16 rows and 16 px over: too little for another
        {400, 24, 8, 17},  // 16 px over is twice the character height
        {400, 25, 16, 16}, {10, 24, 16, 0},
        {0, 24, 16, 0},    {400, 0, 16, 400}, // a broken row height must not divide by zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(LineSpacing::linesPerPage(c.client, c.row, c.charHeight), c.expected) << c.client << '/' << c.row;
}
