#include "view/gui/ReadingController.h"

#include "app/IniFile.h"
#include "app/SavedState.h"
#include "app/gui/MainWindow.h"
#include "app/gui/RadioMenuItems.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ReaderMenus.h"
#include "app/gui/ReadingContextMenu.h"
#include "document/CharacterMaps.h"
#include "support/gui/ImageProbe.h"
#include "view/FontCharsets.h"
#include "view/Justification.h"
#include "view/gui/CursorHider.h"
#include "view/gui/FontCommands.h"
#include "view/gui/FontDialog.h"
#include "view/gui/ReadingArea.h"
#include "view/gui/ReadingPulse.h"
#include "view/gui/RowPainter.h"
#include "view/gui/StatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace Lecterna;
using namespace Lecterna::testsupport;
using K = Settings::Key;

namespace {

const char* const kSampleBook = LECTERNA_SOURCE_DIR "/data/sample-book.txt";

// The reading window as the program builds it, with settings at their defaults (changed by
// `configure` before the window reads them), shown offscreen at a given size.
struct Session {
    explicit Session(const std::function<void(Settings&)>& configure = {}, QSize size = {900, 640}) {
        state.load(IniFile(), Settings::Environment{});
        if (configure)
            configure(state.settings);
        window = std::make_unique<MainWindow>();
        controller = std::make_unique<ReadingController>(*window, state, ".");
        window->resize(size);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ~Session() {
        controller.reset(); // it leaves the area to the window
        window.reset();
    }

    Reader& reader() { return controller->reader(); }
    ReadingArea& area() { return controller->area(); }
    StatusBar& bar() { return window->readerStatusBar(); }
    QAction* action(ReaderActions::Id id) { return window->actions().action(id); }

    bool openFile(const QString& path, FileType type) {
        TBook book;
        book.fileName = path.toStdString();
        book.fileType = type;
        return controller->openBook(book);
    }

    SavedState state{SystemCodePages{866, 1251}, CharacterMaps()};
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ReadingController> controller;
};

QString writeFile(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

// Answers the font chooser once it is shown: `answer` sets its fields and presses its buttons.
void answerFontDialog(MainWindow& window, std::function<void(FontDialog&)> answer) {
    QTimer::singleShot(0, &window, [&window, answer] {
        auto* dialog = window.findChild<FontDialog*>(QStringLiteral("FontDialog"));
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

template <typename T> T* field(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void press(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    field<QDialogButtonBox>(dialog, "buttons")->button(which)->click();
}

void chooseCharset(QWidget& dialog, int charset) {
    auto* box = field<QComboBox>(dialog, "charsetBox");
    const int index = box->findData(charset);
    ASSERT_GE(index, 0) << charset;
    box->setCurrentIndex(index);
}

QImage renderPage(const ReadingArea& area) {
    QImage image = blankImage(area.viewport()->size(), area.backgroundColor());
    QPainter p(&image);
    area.paintContents(p, image.rect());
    return image;
}

} // namespace

TEST(ReadingController, FontChooserPreviewsCancelsAndMovesTheEncodingWithItsCharacterSet) {
    Session s;
    ASSERT_TRUE(s.openFile(QString::fromLatin1(kSampleBook), FileType::Text));
    Reader& r = s.reader();
    const ReadingFont kept = r.view().font;
    const int rowHeight = r.rowHeight();
    const uint64_t layout = r.layoutGeneration();

    // "Применить" shows the font at once, the lines wait for OK; Cancel brings the old font back.
    answerFontDialog(*s.window, [&](FontDialog& d) {
        EXPECT_EQ(d.choice().font, kept);
        field<QSpinBox>(d, "fontHeightBox")->setValue(kept.pixelHeight * 2);
        press(d, QDialogButtonBox::Apply);
        EXPECT_EQ(r.view().font.pixelHeight, kept.pixelHeight * 2);
        EXPECT_GT(s.area().rowHeight(), rowHeight);
        EXPECT_EQ(r.layoutGeneration(), layout);
        press(d, QDialogButtonBox::Cancel);
    });
    s.action(ReaderActions::ChooseFont)->trigger();
    EXPECT_EQ(r.view().font, kept);
    EXPECT_EQ(s.area().rowHeight(), rowHeight);

    // OK with a larger Greek font: laid out again at the same place, the Greek item checked in
    // every encoding menu, the text not decoded again.
    r.goToLine(60);
    const uint64_t firstByte = r.lines().span(60).offset;
    const std::string text = r.paragraphs().buffer();
    RadioMenuItems& encodings = *s.window->menus().encodings();
    answerFontDialog(*s.window, [&](FontDialog& d) {
        field<QSpinBox>(d, "fontHeightBox")->setValue(kept.pixelHeight + 6);
        chooseCharset(d, FontCharsets::kGreek);
        press(d, QDialogButtonBox::Ok);
    });
    s.action(ReaderActions::ChooseFont)->trigger();
    EXPECT_EQ(r.view().font.pixelHeight, kept.pixelHeight + 6);
    EXPECT_EQ(encodings.current(), 9);
    EXPECT_EQ(r.displayCodePage(), 1253); // the same bytes, drawn as Greek
    EXPECT_EQ(r.paragraphs().buffer(), text);
    EXPECT_NEAR(static_cast<double>(r.lines().span(static_cast<size_t>(r.currentPosition())).offset),
                static_cast<double>(firstByte), 400.0);

    // A set that no code-page item carries leaves no item checked.
    answerFontDialog(*s.window, [&](FontDialog& d) {
        chooseCharset(d, FontCharsets::kOem);
        press(d, QDialogButtonBox::Ok);
    });
    s.action(ReaderActions::ChooseFont)->trigger();
    EXPECT_EQ(encodings.current(), -1);
    EXPECT_EQ(r.displayCodePage(), 1253); // with no item the bytes keep their code page
}

TEST(ReadingController, FittingWaitsInTheCaptionCtrlAltF9InvertsOnceAndStepsStopAtTheLimits) {
    QTemporaryDir dir;
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += std::string(40, 'x') + "\r\n";
    text += std::string(120, 'x') + "\r\n"; // one line far wider than the others
    Session s([](Settings& settings) { settings.setFlag(K::SmartFontSearch, false); });
    ASSERT_TRUE(s.openFile(writeFile(dir, "lines.txt", text), FileType::Other));
    Reader& r = s.reader();
    const QString title = s.window->windowTitle();
    QAction* inverted = s.controller->fontCommands().invertedFitAction();
    EXPECT_EQ(inverted->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F9));

    QSignalSpy captions(s.window.get(), &QWidget::windowTitleChanged);
    s.action(ReaderActions::FitSize)->trigger();
    const int byWidest = r.view().font.pixelHeight;
    ASSERT_EQ(captions.size(), 2);
    EXPECT_EQ(captions[0][0].toString(), QStringLiteral("Ждите..."));
    EXPECT_EQ(captions[1][0].toString(), title);
    EXPECT_FALSE(s.action(ReaderActions::WordWrap)->isChecked());

    inverted->trigger(); // the smart line: the 40-character lines decide
    EXPECT_GT(r.view().font.pixelHeight, 2 * byWidest);
    s.action(ReaderActions::FitSize)->trigger(); // and the setting again
    EXPECT_EQ(r.view().font.pixelHeight, byWidest);

    // The steps are enabled by the height they start from.
    ReadingFont f = r.view().font;
    f.pixelHeight = 3;
    r.setFont(f);
    s.controller->refresh();
    s.action(ReaderActions::FontSmaller)->trigger();
    EXPECT_EQ(r.view().font.pixelHeight, 2);
    EXPECT_FALSE(s.action(ReaderActions::FontSmaller)->isEnabled());
    EXPECT_TRUE(s.action(ReaderActions::FontLarger)->isEnabled());
}

TEST(ReadingController, StatusBarFiguresContextMenuOfTheMomentAndSegmentButtons) {
    Session s;
    ASSERT_TRUE(s.openFile(QString::fromLatin1(kSampleBook), FileType::Text));
    StatusBar& bar = s.bar();
    EXPECT_TRUE(
        bar.panelText(StatusBar::PercentPanel).contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d %$"))));
    EXPECT_EQ(bar.panelText(StatusBar::ReadingTimePanel), QStringLiteral("0:00:00  (0:00:00)"));
    EXPECT_EQ(bar.panelText(StatusBar::FileSizePanel), QStringLiteral("21459 байт"));
    EXPECT_EQ(bar.panelText(StatusBar::FileNamePanel), QStringLiteral("sample-book.txt"));
    EXPECT_FALSE(bar.segmentPanelShown());

    // Moved without the status bar being told: the menu still opens with the figures of now.
    Reader& r = s.reader();
    r.setTopRow(r.maxTopRow());
    emit s.window->contextMenu().aboutToShow();
    EXPECT_EQ(s.window->contextMenu().actions().at(0)->text(), QStringLiteral("Прочитано:\t100.00 %"));

    // Cut into the segments of a limited list, a long book shows the segment buttons, and the
    // next segment's rows come into the area.
    QTemporaryDir dir;
    std::string text;
    for (int i = 0; i < 40'000; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    Session limited;
    limited.reader().setSegmentsLimited(true);
    ASSERT_TRUE(limited.openFile(writeFile(dir, "long.txt", text), FileType::Other));
    EXPECT_TRUE(limited.bar().segmentPanelShown());
    auto* current = limited.bar().findChild<QToolButton*>(QStringLiteral("currentSegmentButton"));
    auto* next = limited.bar().findChild<QToolButton*>(QStringLiteral("nextSegmentButton"));
    EXPECT_EQ(current->text(), QStringLiteral("1"));
    next->click();
    EXPECT_EQ(current->text(), QStringLiteral("2"));
    EXPECT_FALSE(next->isEnabled());
    EXPECT_EQ(limited.area().rows().segmentOffset, 32736u);
    EXPECT_EQ(limited.area().rows().line(limited.area().topRow()), "line 32736");
    EXPECT_EQ(limited.window->menus().segments()->current(), 1);
}

TEST(ReadingController, PulseBeatsOnlyWhileTheWindowIsActive) {
    Session s;
    ReadingPulse& pulse = s.controller->pulse();
    ASSERT_TRUE(s.openFile(QString::fromLatin1(kSampleBook), FileType::Text));
    // The paragraph progress window had the activation for a moment; a window manager gives it
    // back, the offscreen platform does not.
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
    EXPECT_TRUE(pulse.isBeating());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(pulse.isBeating());
    s.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.window.get()));
    EXPECT_TRUE(pulse.isBeating());
}

TEST(ReadingController, TheCursorHidesWhileReadingAndComesBackForTheMouse) {
    Session s([](Settings& settings) { settings.setFlag(K::HideCursor, true); });
    ASSERT_TRUE(s.openFile(QString::fromLatin1(kSampleBook), FileType::Text));
    QWidget* page = s.area().viewport();
    auto hidden = [&] { return page->testAttribute(Qt::WA_SetCursor) && page->cursor().shape() == Qt::BlankCursor; };
    auto seconds = [&](int n) {
        for (int i = 0; i < n; ++i)
            s.controller->secondElapsed();
    };

    seconds(1);
    EXPECT_TRUE(hidden()); // at once when reading starts
    emit s.area().mouseMoved(QPoint(10, 10));
    EXPECT_FALSE(hidden());
    seconds(10);
    EXPECT_FALSE(hidden());
    seconds(1);
    EXPECT_TRUE(hidden()); // ten seconds after the last move

    emit s.window->menus().textMenu()->aboutToShow();
    EXPECT_FALSE(hidden());
    EXPECT_EQ(s.controller->cursorHider().secondsLeft(), 90);

    s.state.settings.setFlag(K::HideCursor, false);
    s.controller->applySettings();
    seconds(100);
    EXPECT_FALSE(hidden());
}

TEST(ReadingController, LineSpacingAndResetKeepThePlace) {
    Session s;
    ASSERT_TRUE(s.openFile(QString::fromLatin1(kSampleBook), FileType::Text));
    Reader& r = s.reader();
    r.goToLine(100);
    s.controller->refresh();
    for (ReaderActions::Id id : {ReaderActions::LineDouble, ReaderActions::LineSingle, ReaderActions::LineMaximum}) {
        s.action(id)->trigger();
        EXPECT_EQ(s.area().topRow(), 100) << id;
    }

    ReadingFont big = r.view().font;
    big.pixelHeight = 30;
    r.setFont(big);
    const uint64_t firstByte = r.lines().span(static_cast<size_t>(r.currentPosition())).offset;
    s.action(ReaderActions::ResetFormat)->trigger();
    EXPECT_EQ(r.view().font.pixelHeight, 16);
    EXPECT_TRUE(s.action(ReaderActions::LineOneAndHalf)->isChecked());
    EXPECT_NEAR(static_cast<double>(r.lines().span(static_cast<size_t>(r.currentPosition())).offset),
                static_cast<double>(firstByte), 400.0);
}

// Every stretched row of the page the window shows ends at the right margin to the pixel: its
// last glyph's ink ends where that glyph drawn alone, its advance ending at the margin, ends.
TEST(ReadingController, JustifiedPageEndsAtTheRightMargin) {
    Session s;
    ASSERT_TRUE(s.openFile(QString::fromLatin1(kSampleBook), FileType::Text));
    Reader& r = s.reader();
    ASSERT_TRUE(r.view().textJustificationOn); // the Text template justifies
    r.goToLine(20);
    s.controller->refresh();
    const ReadingArea& area = s.area();
    const QtByteMetrics& font = area.readingFont();
    const ByteMetrics& m = font.metrics();
    const QImage page = renderPage(area);
    const QRgb paper = area.backgroundColor().rgb();
    const int available = area.viewport()->width() - area.leftMargin() - area.rightMargin();
    const int h = area.rowHeight();

    RowStyle style;
    style.font = &font;
    int stretched = 0, ragged = 0;
    for (int j = 0; j < area.visibleRowCount(); ++j) {
        const std::string_view line = area.rows().line(area.topRow() + j);
        if (line.empty() || line.back() == ' ')
            continue;
        const QRect row(0, j * h, page.width(), h);
        const bool isStretched = Justification::forLine(line, m, available).isActive();
        const unsigned char last = static_cast<unsigned char>(line.back());
        const qreal end = area.leftMargin() + (isStretched ? available : m.width(line) / 64.0);
        QImage expected = blankImage(page.size(), area.backgroundColor());
        QPainter p(&expected);
        RowPainter::drawLine(
            p, QPointF(end - m.advance[last] / 64.0, RowPainter::textTop(row, m.textHeight) + font.ascent()),
            line.substr(line.size() - 1), Justification{}, style);
        p.end();
        EXPECT_EQ(inkRight(page, row, paper), inkRight(expected, row, paper)) << j;
        (isStretched ? stretched : ragged) += 1;
    }
    EXPECT_GE(stretched, 5);
    EXPECT_GE(ragged, 1);
}

TEST(ReadingController, DoublePageShowsTwoPagesWithTheSeparatorAndTurnsBoth) {
    Session s([](Settings& settings) { settings.setFlag(K::DoublePageMode, true); });
    ASSERT_TRUE(s.openFile(QString::fromLatin1(kSampleBook), FileType::Text));
    Reader& r = s.reader();
    const ReadingArea& area = s.area();
    EXPECT_FALSE(s.action(ReaderActions::WordWrap)->isEnabled()); // wrap stays on with two pages
    EXPECT_EQ(r.wrapWidth(), area.pageWidth() - area.leftMargin() - area.rightMargin());
    ASSERT_TRUE(QTest::qWaitFor([&] { return area.isSeparatorShown(); }, 2000));

    const int pageWidth = area.pageWidth();
    const int lpp = area.linesPerPage();
    const QRgb paper = area.backgroundColor().rgb();
    auto half = [&](bool right) {
        return renderPage(area).copy(right ? pageWidth + area.separatorWidth() : 0, 0, pageWidth, area.height());
    };

    r.goToLine(30);
    s.controller->refresh();
    const QImage left = half(false), right = half(true);
    EXPECT_TRUE(hasInk(left, {}, paper));
    EXPECT_TRUE(hasInk(right, {}, paper));
    EXPECT_NE(renderPage(area).pixel(pageWidth + 6, area.height() / 2), paper); // the separator

    // Two pages on, both pages change; one page back, the old right page is on the left.
    r.setTopRow(r.topRow() + 2 * lpp);
    s.controller->refresh();
    EXPECT_NE(half(false), left);
    EXPECT_NE(half(true), right);
    r.setTopRow(r.topRow() - lpp);
    s.controller->refresh();
    EXPECT_EQ(half(false), right);
}
