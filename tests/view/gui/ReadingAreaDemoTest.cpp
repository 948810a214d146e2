#include "document/CodePage.h"
#include "document/ParagraphList.h"
#include "support/gui/Fixtures.h"
#include "view/LineLayout.h"
#include "view/gui/ReadingArea.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdio>

using namespace Lecterna;
using namespace Lecterna::testsupport;

namespace {

// Renders a page as the reader sees it into build/screenshots/, for looking at.
void savePage(ReadingArea& area, ParagraphList& text, const char* name) {
    const int wrapWidth =
        (area.doublePageMode() ? area.pageWidth() : area.viewport()->width()) - area.leftMargin() - area.rightMargin();
    static LineList lines; // outlives the area's paint
    lines.assign(&text.buffer(), LineLayout(area.readingFont().metrics()).wrappedSpans(text, wrapWidth));
    area.setLines(&lines, 0, static_cast<int>(lines.count()));
    const QString dir = QStringLiteral(LECTERNA_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + QLatin1String(name);
    EXPECT_TRUE(area.grab().save(path));
    std::printf("page rendered to %s\n", qPrintable(path));
}

} // namespace

TEST(ReadingAreaDemo, JustifiedCyrillicPageWithLineSpacingOneAndAHalf) {
    std::string book;
    for (int i = 0; i < 4; ++i)
        book += readFixture("cyrillic-cp866.txt");
    ParagraphList text;
    text.setTextKeepingNul(book);
    const DisplayTable table = DisplayTable::forCodePage(CodePage(866), false);

    ReadingArea area;
    area.resize(900, 640);
    area.show();
    area.setReadingFont(QtByteMetrics::create({QStringLiteral("Times New Roman"), 20, false}, table, 0));
    area.setRowHeight(area.readingFont().metrics().textHeight * 3 / 2);
    area.setJustification(true);
    area.setBackgroundColor(QColor(0xFB, 0xF8, 0xF0));
    area.setTextColor(QColor(0x20, 0x20, 0x20));
    savePage(area, text, "justified-cp866.png");

    area.setDoublePageMode(true);
    area.setReadingFont(QtByteMetrics::create({QStringLiteral("Arial"), 16, false}, table, 1));
    area.setRowHeight(area.readingFont().metrics().textHeight + 2);
    area.setTextureFileName(QStringLiteral(LECTERNA_TEST_DATA "/paper.jpg"));
    savePage(area, text, "double-page-cp866.png");
}
