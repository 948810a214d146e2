#include "view/gui/ReadingArea.h"
#include "document/CodePage.h"
#include "support/gui/ImageProbe.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "support/gui/Fixtures.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using namespace Lecterna::testsupport;

namespace {

constexpr int kRowHeight = 20;

// A frameless area whose viewport is exactly `size`.
std::unique_ptr<ReadingArea> makeArea(QSize size) {
    auto area = std::make_unique<ReadingArea>();
    area->setFrameShape(QFrame::NoFrame);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setReadingFont(QtByteMetrics::create({QStringLiteral("Arial"), 15, false}, DisplayTable(), 0));
    area->setRowHeight(kRowHeight);
    area->setBackgroundColor(Qt::white);
    area->setTextColor(Qt::black);
    area->resize(size);
    area->show();
    return area;
}

QImage render(const ReadingArea& area, QRect clip = {}) {
    QImage image = blankImage(area.viewport()->size(), Qt::magenta);
    QPainter p(&image);
    area.paintContents(p, clip.isNull() ? image.rect() : clip);
    return image;
}

} // namespace

TEST(ReadingArea, PaintsOnlyTheRowsThatShow) {
    NumberedLines lines(1'000'000);
    auto area = makeArea({600, 400});
    area->setLines(&lines.list, 0, 1'000'000);
    struct Case {
        int top, offset;
        QRect clip;
        int rows;
    } cases[] = {
        {0, 0, {}, 20},
        {500'000, 7, {}, 21},                    // smooth scrolling uncovers part of one more row
        {500'000, -7, {}, 21},                   // backwards too
        {500'000, 0, QRect(0, 100, 600, 20), 1}, // an update of one row draws one row
        {2'000'000, 0, {}, 20},                  // clamped to the last full page
    };
    for (const Case& c : cases) {
        area->setTopRow(c.top);
        area->setPixelOffset(c.offset);
        render(*area, c.clip);
        EXPECT_EQ(area->rowsPaintedLastTime(), c.rows) << c.top << ' ' << c.offset;
    }
    EXPECT_EQ(area->topRow(), 1'000'000 - 20);
    area->setPixelOffset(0);
    area->grab(); // through the widget's own paint event
    EXPECT_EQ(area->rowsPaintedLastTime(), 20);
}

TEST(ReadingArea, ShowsTheRowsOfItsSegmentAndClampsLikeAList) {
    NumberedLines lines(40);
    auto area = makeArea({300, 200}); // 10 rows
    QSignalSpy moved(area.get(), &ReadingArea::topRowChanged);
    area->setLines(&lines.list, 25, 15); // lines 25..39
    area->setTopRow(99);
    EXPECT_EQ(area->topRow(), 5);
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 5);
    EXPECT_EQ(moved.count(), 1);
    // Row 0 on screen is segment row 5, i.e. line 30.
    const QImage shown = render(*area);
    QImage expected = blankImage(shown.size());
    QPainter p(&expected);
    RowStyle style;
    style.font = &area->readingFont();
    RowPainter::drawPlain(p, QRect(0, 0, 300, kRowHeight), "line 30", style);
    EXPECT_EQ(shown.copy(0, 0, 300, kRowHeight), expected.copy(0, 0, 300, kRowHeight));
}

TEST(ReadingArea, DoublePageShowsBothPagesAndNothingPastTheSegment) {
    NumberedLines lines(10);
    auto area = makeArea({601, 4 * kRowHeight + 5}); // four rows a page; 5 px is too little for a fifth
    area->setDoublePageMode(true);
    area->setLines(&lines.list, 0, 10);
    area->setTopRow(7);
    ASSERT_EQ(area->linesPerPage(), 4);
    ASSERT_EQ(area->pageWidth(), 294);
    ASSERT_EQ(area->separatorWidth(), 14);
    EXPECT_EQ(area->topRow(), 6); // like a list, never scrolled past the last full page

    const QImage page = render(*area);
    const QRgb white = qRgb(255, 255, 255);
    for (int j = 0; j < 4; ++j) {
        const QRect left(0, j * kRowHeight, 294, kRowHeight);
        const QRect right(308, j * kRowHeight, 293, kRowHeight);
        EXPECT_TRUE(hasInk(page, left, white)) << j;                // rows 6..9
        EXPECT_EQ(hasInk(page, right, white), j + 6 + 4 < 10) << j; // rows 10.. do not exist
    }
    EXPECT_NE(page.pixel(294 + 7, 30), white); // the separator

    // The 5 pixels below the fourth row stay empty on both pages: row 4 there would repeat the
    // right page's first row on the left.
    area->setTopRow(0);
    const QImage first = render(*area);
    EXPECT_TRUE(hasInk(first, QRect(308, 0, 293, kRowHeight), white));
    EXPECT_FALSE(hasInk(first, QRect(0, 4 * kRowHeight, 294, 5), white));
    EXPECT_FALSE(hasInk(first, QRect(308, 4 * kRowHeight, 293, 5), white));
    area->setTopRow(6);

    // While the window is being resized the separator is hidden; it returns on its own.
    area->resize(640, 4 * kRowHeight + 5);
    EXPECT_FALSE(area->isSeparatorShown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return area->isSeparatorShown(); }, 2000));
}

TEST(ReadingArea, TextureShowsOnlyInDoublePageModeAndABadFileKeepsTheColour) {
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray("\xFF\xD8\xFF\xE0 not really", 15));
    broken.close();
    const QString paper = QStringLiteral(LECTERNA_TEST_DATA "/paper.jpg");
    struct Case {
        QString file;
        bool doublePage;
        bool textured;
    } cases[] = {{paper, true, true},
                 {paper, false, false},
                 {dir.filePath("broken.jpg"), true, false},
                 {dir.filePath("missing.bmp"), true, false}};
    for (const Case& c : cases) {
        auto area = makeArea({200, 100});
        area->setBackgroundColor(Qt::green);
        area->setTextureFileName(c.file);
        area->setDoublePageMode(c.doublePage);
        EXPECT_EQ(area->isTextureShown(), c.textured) << c.file.toStdString();
        EXPECT_EQ(render(*area).pixel(2, 2) != qRgb(0, 255, 0), c.textured) << c.file.toStdString();
    }
}

TEST(ReadingArea, FontSmoothingAppliesOnlyWhileTheWindowIsActive) {
    NumberedLines lines(10);
    auto area = makeArea({300, 200});
    area->setLines(&lines.list, 0, 10);
    area->setFontSmoothing(false);
    EXPECT_TRUE(area->effectiveFontSmoothing()); // not active yet: the default
    area->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(area.get()));
    EXPECT_FALSE(area->effectiveFontSmoothing());
    // Without smoothing a glyph pixel is ink or paper, never the grey of an edge.
    const QImage image = render(*area);
    ASSERT_TRUE(hasInk(image));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(qGray(image.pixel(x, y)) < 8 || qGray(image.pixel(x, y)) == 255) << x << ' ' << y;
}
