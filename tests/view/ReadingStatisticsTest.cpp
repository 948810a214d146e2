#include "view/ReadingStatistics.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using RS = ReadingStatistics;

TEST(ReadingStatistics, Texts) {
    EXPECT_EQ(RS::percentageRead(0, 40, 1000), 4.0);     // first page of a 1000-line book
    EXPECT_EQ(RS::percentageRead(990, 40, 1000), 100.0); // the visible end is cut to the count
    EXPECT_EQ(RS::percentageRead(0, 40, 0), std::nullopt);

    EXPECT_EQ(RS::readingTimeText(3605, 25.0), "1:00:05  (3:00:15)");
    EXPECT_EQ(RS::readingTimeText(3605, 0.0), "1:00:05");           // no pace yet: no estimate
    EXPECT_EQ(RS::readingTimeText(10, 30.0), "0:00:10  (0:00:24)"); // 23.33 rounds up
    EXPECT_EQ(RS::durationText(100 * 3600 + 61), "100:01:01");

    EXPECT_EQ(RS::sizeText(99999, ","), "99999 байт");
    EXPECT_EQ(RS::sizeText(100000, ","), "97,7 КБ");
    EXPECT_EQ(RS::sizeText(100000, "\u066b"), "97\u066b7 КБ"); // a separator of more than one byte
}

TEST(ReadingStatistics, MenuCaptionsShortenTheNameByCharacters) {
    const auto captions = RS::menuCaptions("4,00 %", "0:00:05", "120 байт", "Война и мир, том 1.txt");
    EXPECT_EQ(captions[0], "Прочитано:\t4,00 %");
    EXPECT_EQ(captions[2], "Размер файла:\t120 байт");
    EXPECT_EQ(captions[3], "Название:\tВойна и мир, то...");
    EXPECT_EQ(RS::shortened("exactly15chars.", 15), "exactly15chars.");
}

TEST(ReadingStatistics, TimesEveryFifthSecond) {
    RS stats(",");
    stats.bookOpened(3600);
    stats.refresh(12.5); // before the first tick: percentage only
    EXPECT_EQ(stats.percentText(), "12,50 %");
    EXPECT_EQ(stats.timeText(), "");

    stats.tick(25.0); // second 0 of this opening
    EXPECT_EQ(stats.timeText(), "1:00:00  (3:00:00)");
    for (int i = 0; i < 4; ++i)
        stats.tick(50.0);
    EXPECT_EQ(stats.timeText(), "1:00:00  (3:00:00)"); // seconds 1..4 leave the times alone
    EXPECT_EQ(stats.percentText(), "50,00 %");
    stats.tick(std::nullopt); // second 5, no lines: the last percentage counts
    EXPECT_EQ(stats.totalSeconds(), 3605);
    EXPECT_EQ(stats.timeText(), "1:00:05  (1:00:05)");

    stats.bookOpened(0);
    EXPECT_EQ(stats.secondsSinceOpening(), -1);
    EXPECT_EQ(stats.percentText(), "");
}
