#include "view/Autoscroll.h"
#include "app/Clock.h"
#include "view/HlsColor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using namespace Lecterna;

namespace {

using T = ScrollType;
constexpr auto Fwd = ScrollDirection::Forwards;
constexpr auto Back = ScrollDirection::Backwards;

// A reading area of plain numbers: 600 x 600 pixels of 20-pixel rows unless a test says other.
struct FakeView final : AutoscrollView {
    int rows = 1000, top = 0, row = 20, width = 600, height = 600;
    int offset = 0;
    int indicatorX = -1, indicatorFrom = 0, indicatorTo = 0;
    bool dimmed = false;
    WaveFrame wave;
    bool running = false;

    int rowCount() const override { return rows; }
    int topRow() const override { return top; }
    int rowHeight() const override { return row; }
    int clientWidth() const override { return width; }
    int clientHeight() const override { return height; }
    void setTopRow(int r) override { top = std::clamp(r, 0, std::max(0, rows - height / row)); }
    void setPixelOffset(int pixels) override { offset = pixels; }
    void setIndicator(int x, int from, int to) override {
        std::tie(indicatorX, indicatorFrom, indicatorTo) = std::tie(x, from, to);
    }
    void setTextDimmed(bool on) override { dimmed = on; }
    void setWave(const WaveFrame& frame) override { wave = frame; }
    void setRunning(bool on) override { running = on; }
    bool indicatorShown() const { return indicatorFrom != indicatorTo; }
};

struct Run {
    T type = T::Line;
    ScrollDirection direction = Fwd;
    int top = 0, rows = 1000, height = 600;
    bool doublePage = false, lastLine = true;
};

// An engine on a fake view, started as `run` says, with a clock that moves only when told.
struct Harness : Autoscroll::Observer {
    ManualClock clock;
    FakeView view;
    Autoscroll engine{view, clock};
    int64_t t0 = clock.steadyMs();
    std::vector<AutoscrollState> states;
    bool started = false;

    explicit Harness(const Run& run) {
        std::tie(view.top, view.rows, view.height) = std::tie(run.top, run.rows, run.height);
        engine.setObserver(this);
        engine.setOptions({run.type, run.doublePage, run.lastLine});
        engine.setDelay(40); // with rows of 20 pixels: 800 ms a line
        started = engine.start(run.direction);
    }
    void autoscrollStateChanged(AutoscrollState state) override { states.push_back(state); }
    void autoscrollScheduleChanged() override {}

    // A timer that fires exactly when it is asked to, until `ms` after the start.
    void runTo(int64_t ms) {
        while (auto due = engine.nextDueMs()) {
            if (*due > t0 + ms)
                break;
            clock.advanceMs(std::max<int64_t>(0, *due - clock.steadyMs()));
            engine.onTimer();
        }
        clock.advanceMs(std::max<int64_t>(0, t0 + ms - clock.steadyMs()));
    }
};

} // namespace

TEST(Autoscroll, ALineTakesDelayTimesRowHeightInEveryType) {
    struct Case {
        T type;
        ScrollDirection direction;
        std::function<int64_t(const Harness&)> linesDone;
    };
    const Case cases[] = {
        {T::Line, Fwd, [](const Harness& h) { return h.view.top; }},
        {T::Line, Back, [](const Harness& h) { return 500 - h.view.top; }},
        {T::Page, Fwd, [](const Harness& h) { return h.engine.currentLine(); }},
        {T::Page, Back, [](const Harness& h) { return 500 - h.engine.currentLine(); }},
        {T::Smooth, Fwd, [](const Harness& h) { return h.engine.currentLine(); }},
        {T::Smooth, Back, [](const Harness& h) { return 500 - h.engine.currentLine(); }},
        {T::Wave, Fwd, [](const Harness& h) { return h.view.wave.newTo; }},
        {T::Wave, Back, [](const Harness& h) { return 30 - h.view.wave.newFrom; }},
    };
    for (const Case& c : cases) {
        Harness h({.type = c.type, .direction = c.direction, .top = c.direction == Fwd ? 0 : 500});
        for (int k = 1; k <= 3; ++k) {
            h.runTo(k * 800 - 1);
            EXPECT_EQ(c.linesDone(h), k - 1) << int(c.type) << ' ' << int(c.direction) << ' ' << k;
            h.runTo(k * 800);
            EXPECT_EQ(c.linesDone(h), k) << int(c.type) << ' ' << int(c.direction) << ' ' << k;
        }
    }
}

TEST(Autoscroll, PageTypeGrowsTheIndicatorDimsAndTurns) {
    struct Case {
        ScrollDirection direction;
        bool doublePage, lastLine;
        int start, firstTurn, secondTurn;
    };
    const Case cases[] = {
        {Fwd, false, true, 0, 29, 58},                                     // a screen on, the last line kept
        {Fwd, false, false, 0, 30, 60},     {Fwd, true, true, 0, 59, 118}, // both pages at once
        {Back, false, true, 500, 471, 442}, {Back, true, true, 500, 441, 382},
    };
    for (const Case& c : cases) {
        Harness h({T::Page, c.direction, c.start, 1000, 600, c.doublePage, c.lastLine});

        // Five rows read: the indicator at the right edge is five rows long, from the top edge
        // going forwards and from the bottom edge going back.
        h.runTo(4000);
        EXPECT_EQ(std::tie(h.view.indicatorFrom, h.view.indicatorTo),
                  c.direction == Fwd ? std::make_tuple(0, 100) : std::make_tuple(600, 500));

        // 30 rows of 800 ms, then 500 ms of dimmed text, then the page turns.
        h.runTo(24000);
        EXPECT_TRUE(h.view.dimmed);
        h.runTo(24499);
        EXPECT_EQ(h.view.top, c.start);
        h.runTo(24500);
        EXPECT_EQ(h.view.top, c.firstTurn);
        EXPECT_FALSE(h.view.dimmed);
        EXPECT_FALSE(h.view.indicatorShown());
        h.runTo(49000);
        EXPECT_EQ(h.view.top, c.secondTurn);
    }
}

TEST(Autoscroll, SmoothTypeOffsetsRowsAPixelAtATime) {
    struct Sample {
        int ms, top, offset;
    };
    // 610 pixels: 30 whole rows and 10 pixels of the next. The first line is done after the 10
    // pixels it still lacks; from then on the rows stand on the bottom edge between lines.
    Harness forwards({.type = T::Smooth, .height = 610});
    for (const Sample& s : {Sample{0, 0, 1}, {360, 0, 10}, {400, 1, -9}, {1160, 1, 10}, {1200, 2, -9}}) {
        forwards.runTo(s.ms);
        EXPECT_EQ(std::tie(forwards.view.top, forwards.view.offset), std::tie(s.top, s.offset)) << s.ms;
    }
    // Backwards the line above comes down into view.
    Harness backwards({.type = T::Smooth, .direction = Back, .top = 500});
    for (const Sample& s : {Sample{0, 500, -1}, {760, 500, -20}, {800, 499, -1}}) {
        backwards.runTo(s.ms);
        EXPECT_EQ(std::tie(backwards.view.top, backwards.view.offset), std::tie(s.top, s.offset)) << s.ms;
    }
    backwards.engine.stop();
    EXPECT_EQ(std::tie(backwards.view.top, backwards.view.offset), std::make_tuple(499, 0));
}

TEST(Autoscroll, WaveSweepsTheNextPageIn) {
    Harness h({.type = T::Wave});
    // The list stays on the old page while the line sweeps; rows above it show the new page.
    EXPECT_EQ(h.view.wave, (WaveFrame{true, 30, 0, 0, 0, 1, 1}));
    h.runTo(800);
    EXPECT_EQ(h.view.wave, (WaveFrame{true, 30, 0, 1, 20, 21, 21}));
    EXPECT_EQ(h.view.top, 0);
    // The next wave starts from the page the last one drew.
    h.runTo(24000);
    EXPECT_EQ(h.view.top, 30);
    EXPECT_EQ(h.view.wave, (WaveFrame{true, 60, 0, 0, 0, 1, 1}));
    // Stopped during a wave: back to the page being replaced, one line on.
    h.runTo(24400);
    h.engine.stop();
    EXPECT_EQ(h.view.top, 31);
    EXPECT_FALSE(h.view.wave.active);

    Harness back({.type = T::Wave, .direction = Back, .top = 500});
    EXPECT_EQ(back.view.wave, (WaveFrame{true, 470, 30, 30, 599, 600, 598}));

    // A part-row at the bottom is swept too: the wave takes one row longer.
    Harness part({.type = T::Wave, .height = 610});
    part.runTo(24000);
    EXPECT_EQ(std::tie(part.view.top, part.view.wave.newTo), std::make_tuple(0, 30));
}

TEST(Autoscroll, StopsByItselfWhenTheTextIsUsedUp) {
    // 100 rows, 30 on the screen: forwards ends with rows 70..99 shown, backwards with row 0 on top.
    struct Case {
        T type;
        ScrollDirection direction;
        int start, end;
    };
    const Case cases[] = {
        {T::Line, Fwd, 60, 70}, {T::Page, Fwd, 60, 70}, {T::Smooth, Fwd, 60, 70}, {T::Wave, Fwd, 60, 70},
        {T::Wave, Fwd, 0, 70},  {T::Line, Back, 20, 0}, {T::Page, Back, 20, 0},   {T::Smooth, Back, 20, 0},
        {T::Wave, Back, 20, 0}, {T::Page, Back, 45, 0},
    };
    for (const Case& c : cases) {
        Harness h({.type = c.type, .direction = c.direction, .top = c.start, .rows = 100});
        ASSERT_TRUE(h.started);
        h.runTo(10 * 60 * 1000);
        const auto what = testing::Message() << int(c.type) << ' ' << int(c.direction) << ' ' << c.start;
        EXPECT_EQ(h.engine.state(), AutoscrollState::Stopped) << what;
        EXPECT_EQ(h.states.back(), AutoscrollState::Stopped) << what;
        EXPECT_EQ(h.view.top, c.end) << what;
        EXPECT_EQ(h.engine.currentLine(), c.end) << what;
        // Nothing of the run is left on the screen.
        EXPECT_FALSE(h.view.running || h.view.dimmed || h.view.wave.active || h.view.indicatorShown()) << what;
        EXPECT_EQ(h.view.offset, 0) << what;
    }

    // Started on the last screen (or at the top going back) there is nothing to do.
    for (auto [direction, top] : {std::pair{Fwd, 70}, std::pair{Back, 0}}) {
        Harness h({.type = T::Smooth, .direction = direction, .top = top, .rows = 100});
        EXPECT_FALSE(h.started || h.view.running || h.view.offset != 0);
        EXPECT_TRUE(h.states.empty());
    }
}

TEST(Autoscroll, PauseHoldsAndTheScheduleDoesNotDrift) {
    Harness h({});
    h.runTo(1000);
    h.engine.pause();
    EXPECT_EQ(h.engine.speedText("."), "Пауза");
    EXPECT_EQ(h.engine.nextDueMs(), std::nullopt);
    h.clock.advanceMs(10'000);
    h.engine.onTimer();
    EXPECT_EQ(h.view.top, 1);
    // The step under way gets what was left of it: 600 ms.
    h.engine.resume();
    EXPECT_EQ(h.engine.speedText("."), "60.0 %");
    EXPECT_EQ(h.engine.nextDueMs(), h.t0 + 11'600);
    h.runTo(11'599);
    EXPECT_EQ(h.view.top, 1);
    h.runTo(11'600);
    EXPECT_EQ(h.view.top, 2);
    EXPECT_EQ((std::vector{AutoscrollState::Running, AutoscrollState::Paused, AutoscrollState::Running}), h.states);

    // A late timer neither delays the next step nor loses one.
    Harness late({});
    late.clock.advanceMs(850);
    late.engine.onTimer();
    EXPECT_EQ(late.engine.nextDueMs(), late.t0 + 1600);
    late.clock.advanceMs(2500 - 850);
    late.engine.onTimer();
    EXPECT_EQ(late.view.top, 3);
    EXPECT_EQ(late.engine.nextDueMs(), late.t0 + 3200);
    // After a long stall (a suspended machine) it goes on from now instead of racing.
    late.clock.advanceMs(60'000 - 2500);
    late.engine.onTimer();
    EXPECT_EQ(late.view.top, 4);
    EXPECT_EQ(late.engine.nextDueMs(), late.t0 + 60'800);
}

TEST(Autoscroll, SpeedCommands) {
    Harness h({});
    h.engine.stop();
    h.engine.setDelay(10);
    for (int expected : {5, 1, 0}) {
        ASSERT_TRUE(h.engine.canSpeedUp());
        h.engine.speedUp();
        EXPECT_EQ(h.engine.delay(), expected);
    }
    EXPECT_FALSE(h.engine.canSpeedUp());
    EXPECT_EQ(h.engine.speedText(","), "100,0 %");
    EXPECT_EQ(Autoscroll::slowedDown(93), 95);

    // A change while running: the step under way keeps its time, the next ones take the new one.
    h.engine.setDelay(40);
    h.engine.start(Fwd);
    h.runTo(400);
    h.engine.setDelay(20);
    EXPECT_EQ(h.engine.nextDueMs(), h.t0 + 800);
    h.runTo(800);
    EXPECT_EQ(h.engine.nextDueMs(), h.t0 + 1200);
}

TEST(Autoscroll, RestartAndStopLeaveTheTextWhereTheRunBroughtIt) {
    // PgUp while scrolling forwards: a screen back, then on backwards.
    Harness h({.top = 100});
    h.runTo(800);
    EXPECT_TRUE(h.engine.restart(Back, -29));
    EXPECT_EQ(h.view.top, 72);
    EXPECT_EQ(h.engine.direction(), Back);
    h.runTo(1600);
    EXPECT_EQ(h.view.top, 71);
    EXPECT_EQ(h.states.size(), 2u); // running, then running the other way: no stop in between

    // Stopped while the page is dimmed: the page turns and the text colour comes back.
    Harness page({.type = T::Page});
    page.runTo(24'200);
    ASSERT_TRUE(page.view.dimmed);
    page.engine.stop();
    EXPECT_FALSE(page.view.dimmed);
    EXPECT_EQ(page.view.top, 29);
    EXPECT_FALSE(page.view.indicatorShown());
}

TEST(Autoscroll, DimmedTextColour) {
    struct Case {
        uint32_t text, background, dimmed;
    };
    const Case cases[] = {
        {0x000000, 0xFFFFFF, 0x7F7F7F}, // half way to white
        {0xFFFFFF, 0x000000, 0x7F7F7F},
        {0xFF0000, 0xFFFFFF, 0xFF8080}, // the hue stays
        {0x6A6A6A, 0x303030, 0x4D4D4D}, // luminance 100 towards 45: 100 - 27, truncated
    };
    for (const Case& c : cases)
        EXPECT_EQ(HlsColor::dimmedText(c.text, c.background), c.dimmed) << std::hex << c.text;
}
