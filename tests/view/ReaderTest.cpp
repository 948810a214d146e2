#include "view/Reader.h"

#include "app/Settings.h"
#include "document/CharacterMaps.h"
#include "document/ParamTemplates.h"
#include "support/TempFolder.h"

#include "support/ScreenlessReader.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Lecterna;
using K = Settings::Key;

namespace {

// A book of hard-wrapped lines in CP866 (ASCII here, so the bytes read the same everywhere).
std::string hardWrappedBook(int paragraphs) {
    std::string text;
    for (int p = 0; p < paragraphs; ++p) {
        text += "    Paragraph " + std::to_string(p) + " begins with an indent and goes on\r\n";
        text += "over several short lines that recognition joins back into\r\n";
        text += "one long line before the layout wraps it to the window.\r\n";
    }
    return text;
}

class ReaderTest : public ::testing::Test, protected Lecterna::Test::ScreenlessReader {
protected:
    void readFor(int seconds) {
        for (int i = 0; i < seconds; ++i)
            reader.tick();
    }
};

} // namespace

TEST_F(ReaderTest, OpensATextBookWithItsTemplateAndLaysItOut) {
    const std::string path = folder.write("book.txt", hardWrappedBook(50));
    ASSERT_TRUE(reader.open(request(path)));
    EXPECT_TRUE(host.errors.empty());
    // The Text template: DOS encoding, recognition and wrap on.
    EXPECT_EQ(reader.view().encoding, 0);
    EXPECT_TRUE(reader.view().paragraphSearchOn);
    EXPECT_EQ(reader.paragraphs().count(), 50u);
    // 12 pt at 96 dpi is 16 px, so every byte is 8 px and 400 px hold 50 bytes a line.
    EXPECT_EQ(reader.view().font.pixelHeight, 16);
    for (size_t i = 0; i < reader.lines().count(); ++i)
        EXPECT_LE(reader.lines().line(i).size(), 50u) << i;
    EXPECT_GT(reader.lines().count(), 100u);
    EXPECT_EQ(reader.currentPosition(), 0);
    EXPECT_EQ(reader.sizeText(), std::to_string(hardWrappedBook(50).size()) + " байт");
    EXPECT_EQ(reader.fileNameText(), "book.txt");
}

TEST_F(ReaderTest, AMissingFileIsReportedAndNothingIsOpened) {
    EXPECT_FALSE(reader.open(request(folder / "absent.txt")));
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], "Файл absent.txt не может быть открыт");
    EXPECT_FALSE(reader.isOpen());
}

TEST_F(ReaderTest, RelayoutsKeepThePassageAtTheTop) {
    ASSERT_TRUE(reader.open(request(folder.write("book.txt", hardWrappedBook(400)))));
    reader.setClientSize(410, 300);
    reader.goToLine(600);
    const int64_t before = reader.currentPosition();
    const size_t count = reader.lines().count();
    const uint64_t firstByte = reader.lines().span(static_cast<size_t>(before)).offset;

    // Doubling the font roughly doubles the lines and keeps the same place in the text.
    ReadingFont big = reader.view().font;
    big.pixelHeight *= 2;
    reader.setFont(big);
    EXPECT_NEAR(static_cast<double>(reader.lines().count()) / count, 2.0, 0.3);
    const uint64_t after = reader.lines().span(static_cast<size_t>(reader.currentPosition())).offset;
    EXPECT_NEAR(static_cast<double>(after), static_cast<double>(firstByte), 2000.0);

    // Wrap off and on again comes back to the same line.
    const int64_t wrapped = reader.currentPosition();
    reader.setWordWrap(false);
    EXPECT_EQ(reader.lines().count(), reader.paragraphs().count());
    reader.setWordWrap(true);
    EXPECT_NEAR(static_cast<double>(reader.currentPosition()), static_cast<double>(wrapped), 3.0);
}

TEST_F(ReaderTest, OnlyANewWidthWrapsAgainAndANarrowWindowStillLaysOut) {
    ASSERT_TRUE(reader.open(request(folder.write("book.txt", hardWrappedBook(20)))));
    const uint64_t generation = reader.layoutGeneration();
    reader.setClientSize(410, 120);
    EXPECT_EQ(reader.layoutGeneration(), generation);
    reader.setClientSize(5, 120); // narrower than the margins
    EXPECT_GT(reader.layoutGeneration(), generation);
    EXPECT_EQ(reader.lines().count(), reader.paragraphs().count());
    reader.setClientSize(60, 120);
    EXPECT_GT(reader.lines().count(), reader.paragraphs().count());
}

TEST_F(ReaderTest, TheTopNeverPassesTheLastFullPage) {
    ASSERT_TRUE(reader.open(request(folder.write("book.txt", hardWrappedBook(30)))));
    reader.goToLine(1'000'000);
    const int64_t count = static_cast<int64_t>(reader.lines().count());
    EXPECT_EQ(reader.currentPosition(), count - reader.visibleRows());
    reader.goToLine(-5);
    EXPECT_EQ(reader.currentPosition(), 0);
}

TEST_F(ReaderTest, ABookReadLongEnoughReopensWhereItWasLeftWithItsView) {
    const std::string path = folder.write("book.txt", hardWrappedBook(300));
    ASSERT_TRUE(reader.open(request(path)));
    reader.setLineSpacing(3);
    reader.setJustification(true);
    reader.setLetterSpacingMode(3);
    reader.chooseEncoding(1);
    reader.goToLine(250);
    reader.bookmarks().add("first", 10);
    reader.bookmarks().add("second", 200);
    const int64_t position = reader.currentPosition();
    readFor(11);
    const HistoryChange change = reader.storeBookState();
    EXPECT_EQ(change.kind, HistoryChange::Kind::Added);
    EXPECT_FALSE(reader.isOpen());

    ASSERT_TRUE(reader.open(request(path)));
    EXPECT_EQ(reader.currentPosition(), position);
    EXPECT_EQ(reader.view().lineSpacing, 3);
    EXPECT_TRUE(reader.view().textJustificationOn);
    EXPECT_EQ(reader.view().letterSpacingMode, 3);
    EXPECT_EQ(reader.view().encoding, 1);
    ASSERT_EQ(reader.bookmarks().count(), 2);
    EXPECT_EQ(reader.bookmarks().position(1), 200);
}

TEST_F(ReaderTest, TenSecondsAreNotEnoughToBeRemembered) {
    const std::string path = folder.write("book.txt", hardWrappedBook(10));
    ASSERT_TRUE(reader.open(request(path)));
    readFor(10);
    EXPECT_EQ(reader.storeBookState().kind, HistoryChange::Kind::NotStored);
    EXPECT_TRUE(history.isEmpty());
}

TEST_F(ReaderTest, ANewLayoutRescalesTheBookmarks) {
    ASSERT_TRUE(reader.open(request(folder.write("book.txt", hardWrappedBook(200)))));
    const int64_t count = static_cast<int64_t>(reader.lines().count());
    reader.bookmarks().add("end", static_cast<int32_t>(count - 1));
    reader.setWordWrap(false);
    const int64_t unwrapped = static_cast<int64_t>(reader.lines().count());
    EXPECT_EQ(reader.bookmarks().position(0),
              static_cast<int32_t>(std::floor((count - 1) * (static_cast<double>(unwrapped) / count))));
}

TEST_F(ReaderTest, FontStepsStopAtTheLimits) {
    ASSERT_TRUE(reader.open(request(folder.write("book.txt", hardWrappedBook(5)))));
    ReadingFont f = reader.view().font;
    f.pixelHeight = 3;
    reader.setFont(f);
    reader.stepFont(-1);
    EXPECT_EQ(reader.view().font.pixelHeight, 2);
    EXPECT_FALSE(reader.canStepFont(-1));
    reader.stepFont(-1);
    EXPECT_EQ(reader.view().font.pixelHeight, 2);
}

TEST_F(ReaderTest, SizeFittingMakesTheWidestLineFitAndSwitchesWrapOff) {
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += std::string(40, 'x') + "\r\n";
    ASSERT_TRUE(reader.open(request(folder.write("lines.txt", text), FileType::Other)));
    reader.fitFontSize(false);
    EXPECT_FALSE(reader.view().wordWrapOn);
    // 40 bytes of pixelHeight/2 each must fit 400 px: the largest height is 21 (10 px a byte).
    EXPECT_EQ(reader.view().font.pixelHeight, 21);
}
