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
    for (const bool maximised : {false, true}) {
        Window w;
        w.window.setGeometry(120, 90, 500, 320);
        maximised ? w.window.showMaximized() : w.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
        const QRect before = w.window.geometry(), normal = w.window.normalGeometry();
        QSignalSpy switched(&w.switcher, &FullScreenSwitcher::switched);

        w.switcher.setFullScreen(true);
        EXPECT_EQ(w.window.geometry(), w.window.screen()->geometry()) << maximised;
        EXPECT_TRUE(w.window.windowFlags() & Qt::FramelessWindowHint) << maximised;
        EXPECT_FALSE(w.toolBar->isVisible() || w.window.statusBar()->isVisible()) << maximised;

        w.switcher.toggle();
        EXPECT_FALSE(w.window.windowFlags() & Qt::FramelessWindowHint) << maximised;
        EXPECT_EQ(w.window.isMaximized(), maximised);
        // The window system may apply the state after the call.
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.window.geometry() == before; }, 1000)) << maximised;
        EXPECT_TRUE(w.toolBar->isVisible() && w.window.statusBar()->isVisible()) << maximised;
        if (maximised) {
            // Leaving maximised afterwards still goes back to the size it had before.
            w.window.showNormal();
            EXPECT_TRUE(QTest::qWaitFor([&] { return w.window.geometry() == normal; }, 1000));
        }
        EXPECT_EQ(switched.size(), 2);
    }
}

TEST(FullScreenSwitcher, ToolBarAtTheTopEdge) {
    Window w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    w.switcher.setFullScreen(true);
    struct Step {
        QPoint at;
        bool suspended, shown;
    };
    const QPoint onToolBar(50, 5);
    const Step steps[] = {
        {{200, 100}, false, false}, {{200, 14}, false, true}, // near the top edge it comes
        {onToolBar, false, true},                             // on the tool bar it stays
        {{200, 200}, false, false},                           // over the text it goes
        {{200, 15}, false, false},  {{200, 2}, true, false},  // not while autoscroll runs
        {{200, 2}, false, true},
    };
    for (const Step& step : steps) {
        w.switcher.setHotSpotSuspended(step.suspended);
        w.moveMouse(step.at);
        EXPECT_EQ(w.toolBar->isVisible(), step.shown) << step.at.x() << ',' << step.at.y();
    }
    w.switcher.setFullScreen(false);
    EXPECT_TRUE(w.toolBar->isVisible());
}
