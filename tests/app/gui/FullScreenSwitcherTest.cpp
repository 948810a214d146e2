#include "app/gui/FullScreenSwitcher.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

struct Window {
    QMainWindow window;
    QToolBar* toolBar = new QToolBar(&window);
    QWidget* text = new QWidget;
    FullScreenSwitcher switcher{window};

    Window() {
        window.addToolBar(toolBar);
        toolBar->addAction(QStringLiteral("Open"));
        window.setStatusBar(new QStatusBar);
        text->setMouseTracking(true);
        window.setCentralWidget(text);
    }
    // The mouse moved to `pos` of the window, over whatever widget lies there.
    void moveMouse(QPoint pos) {
        QWidget* over = window.childAt(pos);
        if (!over)
            over = &window;
        const QPoint local = over->mapFrom(&window, pos);
        QMouseEvent move(QEvent::MouseMove, local, over->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        move.setTimestamp(++m_time);
        QApplication::sendEvent(over, &move);
    }

private:
    quint64 m_time = 0;
};

} // namespace

TEST(FullScreenSwitcher, CoversTheScreenAndComesBackExactly) {
    struct Case {
        const char* what;
        bool maximised;
    };
    for (const Case c : {Case{"normal", false}, Case{"maximised", true}}) {
        Window w;
        w.window.setGeometry(120, 90, 500, 320);
        c.maximised ? w.window.showMaximized() : w.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window)) << c.what;
        const QRect before = w.window.geometry();
        const QRect normal = w.window.normalGeometry();
        QSignalSpy about(&w.switcher, &FullScreenSwitcher::aboutToSwitch);
        QSignalSpy switched(&w.switcher, &FullScreenSwitcher::switched);

        w.switcher.setFullScreen(true);
        EXPECT_TRUE(w.switcher.isFullScreen()) << c.what;
        EXPECT_EQ(w.window.geometry(), w.window.screen()->geometry()) << c.what;
        EXPECT_TRUE(w.window.windowFlags() & Qt::FramelessWindowHint) << c.what;
        EXPECT_FALSE(w.toolBar->isVisible() || w.window.statusBar()->isVisible()) << c.what;
        EXPECT_TRUE(w.window.isVisible()) << c.what;

        w.switcher.toggle();
        EXPECT_FALSE(w.window.windowFlags() & Qt::FramelessWindowHint) << c.what;
        EXPECT_EQ(w.window.isMaximized(), c.maximised) << c.what;
        // The window system may apply the state after the call.
        QTest::qWaitFor([&] { return w.window.geometry() == before; }, 1000);
        EXPECT_EQ(w.window.geometry(), before) << c.what;
        EXPECT_TRUE(w.toolBar->isVisible() && w.window.statusBar()->isVisible()) << c.what;
        if (c.maximised) {
            // Leaving maximised afterwards still goes back to the size it had before.
            w.window.showNormal();
            QTest::qWaitFor([&] { return w.window.geometry() == normal; }, 1000);
            EXPECT_EQ(w.window.geometry(), normal) << c.what;
        }
        ASSERT_EQ(about.size(), 2);
        EXPECT_EQ(about[0][0].toBool(), true);
        EXPECT_EQ(switched[1][0].toBool(), false);
    }
}

TEST(FullScreenSwitcher, ToolBarAtTheTopEdge) {
    Window w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    // Outside full screen the top edge is nothing special.
    w.toolBar->hide();
    w.moveMouse({200, 5});
    EXPECT_FALSE(w.toolBar->isVisible());
    w.toolBar->show();

    w.switcher.setFullScreen(true);
    w.moveMouse({200, 100});
    EXPECT_FALSE(w.toolBar->isVisible());
    w.moveMouse({200, 14});
    EXPECT_TRUE(w.toolBar->isVisible());
    // On the tool bar it stays; back over the text it goes.
    w.moveMouse(w.toolBar->geometry().center());
    EXPECT_TRUE(w.toolBar->isVisible());
    w.moveMouse({200, 200});
    EXPECT_FALSE(w.toolBar->isVisible());
    w.moveMouse({200, 15});
    EXPECT_FALSE(w.toolBar->isVisible());

    // Not while autoscroll runs.
    w.switcher.setHotSpotSuspended(true);
    w.moveMouse({200, 2});
    EXPECT_FALSE(w.toolBar->isVisible());
    w.switcher.setHotSpotSuspended(false);
    w.moveMouse({200, 2});
    EXPECT_TRUE(w.toolBar->isVisible());

    w.switcher.setFullScreen(false);
    EXPECT_TRUE(w.toolBar->isVisible());
}
