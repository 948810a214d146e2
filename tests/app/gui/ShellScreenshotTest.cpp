#include "app/gui/MainWindow.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ReadingContextMenu.h"
#include "app/gui/SplashWindow.h"
#include "view/gui/ParagraphProgressWindow.h"
#include "view/gui/StatusBar.h"

#include <QDir>
#include <QFontInfo>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

using namespace Lecterna;

// Pictures of the frame for a person to look at (build/<dir>/shell/*.png); they also prove that
// the windows paint without failing. Run under xvfb-run with QT_QPA_PLATFORM=xcb for real frames.
TEST(ShellScreenshot, EmptyWindowSplashAndProgress) {
    const QString dir = QStringLiteral(LECTERNA_BINARY_DIR "/shell");
    ASSERT_TRUE(QDir().mkpath(dir));

    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPixmap shot = window.grab();

    // The same frame with a long book open, during autoscroll.
    window.setBookOpen(true);
    StatusBar& bar = window.readerStatusBar();
    bar.setPanelText(StatusBar::PercentPanel, QStringLiteral("45.20 %"));
    bar.setPanelText(StatusBar::ReadingTimePanel, QStringLiteral("1:00:05  (3:00:15)"));
    bar.setPanelText(StatusBar::FileSizePanel, QStringLiteral("97.7 КБ"));
    bar.setPanelText(StatusBar::FileNamePanel, QStringLiteral("Война и мир.txt (роман-эпопея)"));
    bar.setSegmentPanelShown(true);
    bar.setCurrentSegment(1);
    bar.setSpeedButtonsShown(true);
    bar.showExtraPanel(QStringLiteral("60.0 %"), QStringLiteral("Относительная скорость автоскроллинга"));
    window.actions().setSpeedKeysActive(true);
    window.resize(760, 372);
    QTest::qWait(20);
    EXPECT_TRUE(window.grab().save(dir + QStringLiteral("/shell-book.png")));

    window.showContextMenu(window.mapToGlobal(QPoint(40, 40)));
    QTest::qWait(20);
    EXPECT_TRUE(window.contextMenu().grab().save(dir + QStringLiteral("/context-menu.png")));
    window.contextMenu().hide();
    EXPECT_EQ(shot.size(), QSize(MainWindow::DefaultWidth, MainWindow::DefaultHeight));
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/shell.png")));

    SplashWindow splash;
    splash.showNow();
    EXPECT_EQ(splash.size(), QSize(222, 86));
    EXPECT_TRUE(QFontInfo(splash.titleFont()).fixedPitch()) << "falls back to a monospace face";
    EXPECT_TRUE(splash.grab().save(dir + QStringLiteral("/splash.png")));

    ParagraphProgressWindow progress;
    progress.showNow();
    progress.setMaximum(100);
    progress.setPosition(40);
    QTest::qWait(ProgressWindow::PumpIntervalMs + 5);
    progress.skipRequested();
    EXPECT_TRUE(progress.grab().save(dir + QStringLiteral("/progress.png")));
}
