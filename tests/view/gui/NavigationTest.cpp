// The reading window as the program builds it, driven by keys, clicks and the wheel; autoscroll
// runs on a clock the tests move by hand.
#include "app/Clock.h"
#include "app/SavedState.h"
#include "app/gui/MainToolBar.h"
#include "app/gui/MainWindow.h"
#include "view/Reader.h"
#include "view/gui/AutoscrollController.h"
#include "view/gui/NavigationController.h"
#include "view/gui/ReadingArea.h"
#include "view/gui/ReadingController.h"
#include "view/gui/StatusBar.h"

#include <QAction>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>

using namespace Lecterna;
using K = Settings::Key;

namespace {

constexpr int64_t kRows = 400; // the test book: one short numbered line per row

struct Program {
    ManualClock clock;
    SavedState state{SystemCodePages::fromEnvironment(), CharacterMaps()};
    MainWindow window;
    std::unique_ptr<ReadingController> controller;

    explicit Program(const std::function<void(Settings&)>& configure = {}) {
        state.settings.setInteger(K::ScrollPriorityLevel, 1); // tests leave the nice value alone
        if (configure)
            configure(state.settings);
        controller = std::make_unique<ReadingController>(window, state, ",", nullptr, clock);
        window.resize(600, 420);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_TRUE(controller->openFile(QStringLiteral(LECTERNA_TEST_DATA "/numbered-rows.lst")));
        // Whole rows only, so that a page is exactly the visible rows.
        for (int i = 0; i < 5 && area().viewport()->height() % reader().rowHeight() != 0; ++i) {
            const int height = area().viewport()->height();
            window.resize(600, window.height() - height % reader().rowHeight());
            (void)QTest::qWaitFor([&] { return area().viewport()->height() != height; }, 500);
        }
        EXPECT_EQ(int64_t(reader().lines().count()), kRows);
        EXPECT_EQ(reader().linesPerPage(), reader().visibleRows());
    }

    Reader& reader() { return controller->reader(); }
    ReadingArea& area() { return controller->area(); }
    AutoscrollController& scroll() { return controller->navigation().autoscroll(); }
    int64_t top() { return reader().topRow(); }
    int64_t V() { return reader().visibleRows(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, k, modifiers);
    }
    void setTop(int64_t row) {
        reader().setTopRow(row);
        controller->refresh();
    }
    // Moves the clock step by step up to `ms` after now, waking autoscroll when a step is due.
    void runFor(int64_t ms) {
        const int64_t end = clock.steadyMs() + ms;
        while (auto due = scroll().engine().nextDueMs()) {
            if (*due > end)
                break;
            clock.advanceMs(std::max<int64_t>(0, *due - clock.steadyMs()));
            scroll().onTimer();
        }
        clock.advanceMs(end - clock.steadyMs());
    }
    QString extraPanel() { return window.readerStatusBar().panelText(StatusBar::ExtraPanel); }
    bool speedShown() { return window.readerStatusBar().speedButtonsShown(); }
};

} // namespace

TEST(Navigation, PagesByKeysWithAndWithoutTheRepeatedLine) {
    for (const bool doublePage : {false, true})
        for (const bool lastLine : {true, false}) {
            Program p([&](Settings& s) {
                s.setFlag(K::DoublePageMode, doublePage);
                s.setFlag(K::ViewLastLine, lastLine);
            });
            const int64_t v = lastLine, V = p.V();
            // The next page begins with the last line of the old one, or right after it; in
            // double-page mode the old right page (rows V..2V-1) is the old one.
            const int64_t page = (doublePage ? 2 * V : V) - v;
            p.key(Qt::Key_PageDown);
            EXPECT_EQ(p.top(), page) << doublePage << lastLine;
            p.key(Qt::Key_PageUp);
            EXPECT_EQ(p.top(), 0);
            p.key(Qt::Key_Down);
            EXPECT_EQ(p.top(), doublePage ? page : 1) << "Down turns a double page";
            p.key(Qt::Key_Up);
            EXPECT_EQ(p.top(), 0);
        }
}

TEST(Navigation, TheEndOfTheBookComesIntoViewAsAFullPage) {
    Program p;
    const int64_t last = kRows - p.V();
    for (const int64_t from : {last - 3, last - 1}) {
        p.setTop(from);
        p.key(Qt::Key_PageDown);
        EXPECT_EQ(p.top(), last) << from;
        p.key(Qt::Key_Space);
        EXPECT_EQ(p.top(), last);
    }
}

TEST(Navigation, ClicksTurnPagesAndRepeatWhileTheButtonIsHeld) {
    Program p;
    QWidget* text = p.area().viewport();
    const QPoint lower(100, text->height() - 10), upper(100, 10);
    const int64_t page = p.V() - 1;

    QTest::mouseClick(text, Qt::RightButton, {}, lower);
    EXPECT_EQ(p.top(), 0) << "only the left button pages";
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    QTest::mouseClick(text, Qt::LeftButton, {}, lower);
    EXPECT_EQ(p.top(), 0) << "the click that brings the program back";
    QTest::mouseClick(text, Qt::LeftButton, {}, lower);
    EXPECT_EQ(p.top(), page);
    QTest::mouseClick(text, Qt::LeftButton, {}, upper);
    EXPECT_EQ(p.top(), 0);

    QTest::mousePress(text, Qt::LeftButton, {}, lower);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.top() >= 3 * page; }, 5000));
    QTest::mouseRelease(text, Qt::LeftButton, {}, lower);
    const int64_t released = p.top();
    EXPECT_FALSE(p.controller->navigation().isClickRepeating());
    QTest::qWait(2 * NavigationController::kClickRepeatMs);
    EXPECT_EQ(p.top(), released);
}

TEST(Navigation, WheelMovesRowsOrStepsTheFont) {
    Program p;
    auto wheel = [&](int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* text = p.area().viewport();
        const QPointF at(50, 50);
        QWheelEvent event(at, text->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(text, &event);
    };
    p.setTop(10);
    wheel(-3);
    EXPECT_EQ(p.top(), 13);
    wheel(2);
    EXPECT_EQ(p.top(), 11);
    const int height = p.reader().view().font.pixelHeight;
    wheel(1, Qt::ControlModifier);
    EXPECT_EQ(p.reader().view().font.pixelHeight, height + 1);

    // During autoscroll a notch is Up or Down: a row, and the run goes on that way.
    p.setTop(10);
    p.key(Qt::Key_Down, Qt::ControlModifier);
    wheel(1);
    EXPECT_EQ(p.top(), 9);
    EXPECT_EQ(p.scroll().engine().direction(), ScrollDirection::Backwards);
    EXPECT_TRUE(p.scroll().isActive());
}

TEST(Navigation, EscapeKeyActionAndTheEncodingSwitch) {
    for (const int action : {0, 1, 2}) {
        Program p([&](Settings& s) { s.setInteger(K::ExcapeKeyAction, action); });
        bool closed = false;
        p.window.addClosingStep([&] { closed = true; });
        p.key(Qt::Key_Escape);
        EXPECT_EQ(closed, action == 1);
        EXPECT_EQ(p.window.isMinimized(), action == 2);
    }
    Program p; // the book opens as DOS text
    p.key(Qt::Key_F8);
    EXPECT_EQ(p.reader().view().encoding, 1);
    p.key(Qt::Key_F8);
    EXPECT_EQ(p.reader().view().encoding, 0);
}

TEST(WindowAutoscroll, CtrlDownStartsAndAnyOtherKeyStops) {
    Program p;
    QAction* command = p.window.actions().action(ReaderActions::Autoscroll);
    p.key(Qt::Key_Down, Qt::ControlModifier);
    ASSERT_EQ(p.scroll().state(), AutoscrollState::Running);
    EXPECT_TRUE(command->isChecked() && p.speedShown());
    EXPECT_EQ(p.extraPanel(), QStringLiteral("60,0 %"));
    p.key(Qt::Key_Plus, Qt::KeypadModifier); // the speed command has the keypad now
    EXPECT_EQ(p.extraPanel(), QStringLiteral("65,0 %"));
    EXPECT_EQ(p.state.settings.integer(K::ScrollTimeDelay), 35);
    p.key(Qt::Key_PageDown);
    EXPECT_EQ(p.top(), p.V() - 1) << "a screen on, and on it goes";
    EXPECT_TRUE(p.scroll().isActive());

    const int64_t top = p.top();
    p.key(Qt::Key_F8); // any other key only stops
    EXPECT_EQ(p.scroll().state(), AutoscrollState::Stopped);
    EXPECT_EQ(p.top(), top);
    EXPECT_EQ(p.reader().view().encoding, 0);
    EXPECT_FALSE(command->isChecked() || p.speedShown() || p.window.readerStatusBar().extraPanelShown());

    p.key(Qt::Key_Down, Qt::ControlModifier);
    p.key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_FALSE(p.scroll().isActive()) << "the command toggles";
    p.setTop(0);
    p.key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_FALSE(p.scroll().isActive()) << "nothing above the first row";
}

TEST(WindowAutoscroll, SpacePausesAndTheNextKeyResumes) {
    Program p([](Settings& s) { s.setInteger(K::ScrollType, 1); });
    p.key(Qt::Key_Down, Qt::ControlModifier);
    const int64_t line = 40 * p.reader().rowHeight();
    p.runFor(line);
    EXPECT_EQ(p.top(), 1);
    p.key(Qt::Key_Space);
    EXPECT_EQ(p.extraPanel(), QStringLiteral("Пауза"));
    p.runFor(10 * line);
    EXPECT_EQ(p.top(), 1);
    p.key(Qt::Key_PageDown); // only ends the pause
    EXPECT_EQ(p.scroll().state(), AutoscrollState::Running);
    EXPECT_EQ(p.extraPanel(), QStringLiteral("60,0 %"));
    p.runFor(line);
    EXPECT_EQ(p.top(), 2);
}

TEST(WindowAutoscroll, EachTypeKeepsItsScheduleAndStopsAtTheEndOfTheBook) {
    struct Case {
        ScrollType type;
        bool doublePage;
    };
    for (const Case c : {Case{ScrollType::Page, false}, Case{ScrollType::Line, false}, Case{ScrollType::Smooth, false},
                         Case{ScrollType::Wave, false}, Case{ScrollType::Smooth, true}}) {
        Program p([&](Settings& s) {
            s.setFlag(K::DoublePageMode, c.doublePage);
            s.setInteger(K::ScrollType, static_cast<int>(c.type));
            s.setInteger(K::ScrollTimeDelay, 10);
        });
        const auto trace = ::testing::Message() << "type " << int(c.type) << " double " << c.doublePage;
        const int64_t V = p.V(), line = 10 * p.reader().rowHeight();
        const bool page = c.type == ScrollType::Page || c.doublePage; // two pages only turn
        p.key(Qt::Key_Down, Qt::ControlModifier);
        if (page) {
            // The percentage read follows the rows read, ahead of the top row.
            p.runFor(3 * line);
            p.reader().refreshStatistics();
            EXPECT_DOUBLE_EQ(p.reader().statistics().percentage(), (3 + V) * 100.0 / kRows) << trace;
            p.runFor((V - 3) * line + Autoscroll::kDimMs - 1);
            EXPECT_EQ(p.top(), 0) << trace;
            p.runFor(1);
            EXPECT_EQ(p.top(), (c.doublePage ? 2 * V : V) - 1) << trace;
        } else {
            p.runFor(V * line - 1);
            EXPECT_LT(p.top(), V) << trace;
            p.runFor(1);
            EXPECT_EQ(p.top(), V) << trace;
        }
        for (int i = 0; i < 100 && p.scroll().isActive(); ++i)
            p.runFor(60'000);
        EXPECT_FALSE(p.scroll().isActive()) << trace;
        EXPECT_EQ(p.top(), kRows - V) << trace;
        EXPECT_FALSE(p.speedShown()) << trace;
        EXPECT_EQ(p.window.readerStatusBar().panelText(StatusBar::PercentPanel), QStringLiteral("100,00 %")) << trace;
    }
}

TEST(WindowAutoscroll, ResizingLeavingTheWindowAndViewCommandsStopIt) {
    Program p;
    QWidget other;
    const std::vector<std::pair<const char*, std::function<void()>>> stops = {
        {"resize", [&] { p.window.resize(p.window.width() + 40, p.window.height()); }},
        {"justify", [&] { p.key(Qt::Key_J, Qt::ControlModifier); }},
        {"spacing", [&] { p.key(Qt::Key_2, Qt::ControlModifier); }},
        {"fitting (a command of its own)", [&] { p.key(Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier); }},
        {"another window",
         [&] {
             other.show();
             other.activateWindow();
             EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
         }},
        {"full screen", [&] { p.key(Qt::Key_F11); }},
    };
    for (const auto& [name, stop] : stops) {
        p.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window));
        p.key(Qt::Key_Down, Qt::ControlModifier);
        ASSERT_TRUE(p.scroll().isActive()) << name;
        stop();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !p.scroll().isActive(); }, 1000)) << name;
    }
}

TEST(WindowFullScreen, HidesTheBarsAndComesBackToTheSameRectangle) {
    Program p;
    p.setTop(kRows - p.V()); // a taller window may not push the last page's top back for good
    const int64_t top = p.top();
    const QRect before = p.window.geometry();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F11, Qt::NoModifier}, {Qt::Key_Return, Qt::AltModifier}}) {
        p.key(key, modifiers);
        EXPECT_TRUE(p.controller->navigation().fullScreen().isFullScreen());
        EXPECT_FALSE(p.window.toolBar().isVisible() || p.window.readerStatusBar().isVisible());
        EXPECT_TRUE(p.window.actions().action(ReaderActions::FullScreen)->isChecked());
        p.key(key, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.window.geometry() == before; }, 1000));
        EXPECT_TRUE(p.window.toolBar().isVisible() && p.window.readerStatusBar().isVisible());
        EXPECT_EQ(p.top(), top);
    }
}
