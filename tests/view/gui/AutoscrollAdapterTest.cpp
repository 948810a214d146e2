#include "view/gui/AutoscrollAdapter.h"
#include "app/Clock.h"
#include "support/gui/ImageProbe.h"
#include "view/Autoscroll.h"
#include "view/gui/AutoscrollTimer.h"
#include "view/gui/QtKeyMap.h"
#include "view/gui/ReadingArea.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "support/gui/Fixtures.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using namespace Lecterna::testsupport;

namespace {

constexpr int kRow = 20;
const QColor kIndicator(255, 0, 0);

// A 400 x 300 area of 15 rows, black on white, autoscroll attached to it.
struct Scene {
    NumberedLines lines;
    ReadingArea area;
    AutoscrollAdapter adapter{area};
    ManualClock clock;
    Autoscroll engine{adapter, clock};
    int64_t t0 = clock.steadyMs();

    explicit Scene(ScrollType type, size_t rows = 1000) : lines(rows) {
        area.setFrameShape(QFrame::NoFrame);
        area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area.setReadingFont(QtByteMetrics::create({QStringLiteral("Arial"), 15, false}, DisplayTable(), 0));
        area.setRowHeight(kRow);
        area.setBackgroundColor(Qt::white);
        area.setTextColor(Qt::black);
        area.resize(400, 300);
        area.show();
        area.setLines(&lines.list, 0, static_cast<int>(rows));
        adapter.setIndicatorColor(kIndicator);
        engine.setOptions({type, false, true});
        engine.setDelay(40);
    }
    void runTo(int64_t ms) {
        while (auto due = engine.nextDueMs()) {
            if (*due > t0 + ms)
                break;
            clock.advanceMs(std::max<int64_t>(0, *due - clock.steadyMs()));
            engine.onTimer();
        }
    }
    QImage render() const {
        QImage image = blankImage(area.viewport()->size(), Qt::magenta);
        QPainter p(&image);
        area.paintContents(p, image.rect());
        return image;
    }
    QImage renderAt(int top) {
        const int was = area.topRow();
        area.setTopRow(top);
        QImage image = render();
        area.setTopRow(was);
        return image;
    }
};

bool sameRows(const QImage& a, const QImage& b, int from, int to) {
    return a.copy(0, from, a.width(), to - from) == b.copy(0, from, b.width(), to - from);
}

bool rowsAre(const QImage& image, int from, int to, QColor colour) {
    for (int y = from; y < to; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

} // namespace

TEST(AutoscrollAdapter, WaveShowsTheNewPageAboveTheLineAndTheOldBelow) {
    Scene s(ScrollType::Wave);
    const QImage oldPage = s.render();
    const QImage newPage = s.renderAt(15);
    const QImage oneOn = s.renderAt(1);
    s.engine.start(ScrollDirection::Forwards);
    // Three rows swept and six pixels of the fourth.
    s.runTo(3 * 800 + 5 * 40);
    ASSERT_EQ(s.adapter.wave().lineY, 66);
    const QImage shot = s.render();
    EXPECT_TRUE(sameRows(shot, newPage, 0, 60));
    EXPECT_TRUE(rowsAre(shot, 60, 66, Qt::white));
    EXPECT_TRUE(rowsAre(shot, 66, 67, kIndicator));
    EXPECT_TRUE(sameRows(shot, oldPage, 67, 300));
    EXPECT_FALSE(s.area.verticalScrollBar()->isEnabled());

    // Stopped: back to the old page one line on, no trace of the wave, the scroll bars back.
    s.engine.stop();
    EXPECT_EQ(s.render(), oneOn);
    EXPECT_TRUE(s.area.verticalScrollBar()->isEnabled());
}

TEST(AutoscrollAdapter, PageIndicatorAndDimmedText) {
    Scene s(ScrollType::Page);
    s.engine.start(ScrollDirection::Forwards);
    s.runTo(5 * 800);
    // Three pixels wide on x = width - 2, five rows long.
    const QImage shot = s.render();
    for (int x : {397, 398, 399})
        EXPECT_EQ(shot.pixelColor(x, 50), kIndicator) << x;
    EXPECT_NE(shot.pixelColor(396, 50), kIndicator);
    EXPECT_NE(shot.pixelColor(398, 100), kIndicator);

    s.runTo(15 * 800);
    EXPECT_EQ(s.area.textColor(), QColor(0x7F, 0x7F, 0x7F)); // half way to the white background
    s.runTo(15 * 800 + 500);
    EXPECT_EQ(s.area.textColor(), QColor(Qt::black));
    EXPECT_EQ(s.area.topRow(), 14);
    EXPECT_FALSE(hasInk(s.render(), QRect(396, 0, 4, 300))); // the indicator starts again
}

TEST(AutoscrollAdapter, TimerRunsTheEngineToTheEnd) {
    Scene s(ScrollType::Line, 40);
    // A real clock: 1 ms per pixel row, 20 ms a line.
    Autoscroll engine(s.adapter, SystemClock::instance());
    AutoscrollTimer timer(engine, SystemClock::instance());
    QSignalSpy states(&timer, &AutoscrollTimer::stateChanged);
    engine.setOptions({ScrollType::Line, false, true});
    engine.setDelay(1);
    engine.start(ScrollDirection::Forwards);
    engine.pause();
    EXPECT_FALSE(timer.isWaiting());
    engine.resume();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine.state() == AutoscrollState::Stopped; }, 10'000));
    EXPECT_EQ(s.area.topRow(), 25); // the last screen of 40 rows
    ASSERT_EQ(states.size(), 4);    // running, paused, running, stopped
    EXPECT_EQ(states.last().at(0).value<AutoscrollState>(), AutoscrollState::Stopped);
    EXPECT_FALSE(timer.isWaiting());
}

TEST(QtKeyMap, TranslatesKeysAndTheLoneRightAlt) {
    const auto event = [](QEvent::Type type, int key, Qt::KeyboardModifiers mods = {}, quint32 virtualKey = 0) {
        return QKeyEvent(type, key, mods, 0, virtualKey, 0);
    };
    constexpr auto Press = QEvent::KeyPress, Release = QEvent::KeyRelease;
    struct Case {
        QKeyEvent event;
        Key key;
    } const cases[] = {
        {event(Press, Qt::Key_Up, Qt::KeypadModifier), Key::Up}, // arrows of the keypad too
        {event(Press, Qt::Key_Plus, Qt::KeypadModifier), Key::KeypadPlus},
        {event(Press, Qt::Key_5, Qt::ControlModifier | Qt::KeypadModifier), Key::Other}, // not a spacing key
        {event(Press, Qt::Key_Alt, Qt::AltModifier), Key::Modifier},                     // the left Alt
    };
    for (const Case& c : cases) {
        const std::optional<KeyInput> in = QtKeyMap().translate(c.event);
        ASSERT_TRUE(in) << c.event.key();
        EXPECT_EQ(in->key, c.key) << c.event.key();
    }

    // Right Alt, as X11 names it with or without a third-level layout, pages on its release.
    for (const quint32 virtualKey : {0xffeau, 0xfe03u}) {
        QtKeyMap map;
        EXPECT_FALSE(map.translate(event(Press, Qt::Key_Alt, Qt::AltModifier, virtualKey)));
        const auto in = map.translate(event(Release, Qt::Key_Alt, {}, virtualKey));
        EXPECT_TRUE(in && in->key == Key::RightAlt);
    }
    // Not when another key came in between.
    QtKeyMap map;
    EXPECT_FALSE(map.translate(event(Press, Qt::Key_AltGr)));
    EXPECT_TRUE(map.translate(event(Press, Qt::Key_F4, Qt::AltModifier)));
    EXPECT_FALSE(map.translate(event(Release, Qt::Key_AltGr)));
}
