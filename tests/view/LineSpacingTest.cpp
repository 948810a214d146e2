#include "view/LineSpacing.h"

#include <gtest/gtest.h>

using namespace Lecterna;

TEST(LineSpacing, RowHeightRoundsHalvesToEven) {
    EXPECT_EQ(LineSpacing::rowHeight(16, LineSpacing::tenths(1, 9)), 24);
    EXPECT_EQ(LineSpacing::rowHeight(15, 15), 22); // 22.5
    EXPECT_EQ(LineSpacing::rowHeight(17, 15), 26); // 25.5
    EXPECT_EQ(LineSpacing::rowHeight(16, LineSpacing::tenths(LineSpacing::kCustom, 5)), 8);
    EXPECT_EQ(LineSpacing::rowHeight(16, 50), 80);
    EXPECT_EQ(LineSpacing::rowHeight(1, 5), 1); // 0.5 -> 0, but a row is never empty
    EXPECT_EQ(LineSpacing::tenths(-1, 33), 10); // a record holding no spacing reads as single
}

TEST(LineSpacing, LinesPerPageCountsATallEnoughRemainder) {
    EXPECT_EQ(LineSpacing::linesPerPage(400, 24, 16), 16); // 16 px over: too little for another
    EXPECT_EQ(LineSpacing::linesPerPage(400, 24, 8), 17);  // twice the character height is enough
    EXPECT_EQ(LineSpacing::linesPerPage(10, 24, 16), 0);
    EXPECT_EQ(LineSpacing::linesPerPage(400, 0, 16), 400); // a broken row height must not divide by 0
}
