#pragma once

#include "view/AutoscrollView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Lecterna {

class Clock;

// Autoscroll: the text moves on by itself, in one of four ways, at `ScrollTimeDelay`
// milliseconds per pixel row of text, so that one line takes delay x row height in every type.
//
// It is a state machine, not a loop: a timer (AutoscrollTimer on the Qt side) calls onTimer()
// when nextDueMs() has come, and the machine does every step that is due. Steps are scheduled
// from the time the motion began (step k at base + k x step), never by adding up timer
// intervals, so a late timer costs smoothness but not speed; a pause shifts the schedule by its
// length, and a change of speed starts a new schedule at the pending step.
//
//   Page   the indicator at the right edge grows one row per step; at a full screen the text
//          dims for kDimMs and the page turns (both pages in double-page mode), the last line
//          kept when ViewLastLine is on.
//   Line   the top row moves one row per step.
//   Smooth the rows move one pixel per step (the view offsets them); the first line starts
//          below the part-row at the bottom, and the top row follows each whole line.
//   Wave   a line sweeps down the rows one pixel per step and leaves the next page behind it.
// Backwards, the same mirrored. A run ends by itself when the text is used up: forwards with the
// last screen of the segment shown, backwards with the first row at the top.
class Autoscroll {
public:
    static constexpr int kMaxDelay = 100;    // the setting's range
    static constexpr int kSlowestDelay = 95; // the speed commands stay within 0..95
    static constexpr int kDelayStep = 5;
    static constexpr int kDimMs = 500;
    // A step more than this late (the machine was suspended, the program hung) is not caught up
    // with: the schedule moves on from now instead of racing through the missed steps.
    static constexpr int64_t kMaxLagMs = 1000;

    struct Options {
        ScrollType type = ScrollType::Smooth;
        bool doublePage = false;
        bool viewLastLine = true;
    };

    // Told of the changes the engine makes by itself (the end of the text) as well as of those
    // asked for.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void autoscrollStateChanged(AutoscrollState state) = 0;
        // nextDueMs() may have changed: the timer must be set again.
        virtual void autoscrollScheduleChanged() = 0;
    };

    Autoscroll(AutoscrollView& view, const Clock& clock);

    void setObserver(Observer* observer) { m_observer = observer; }
    // Used from the next start.
    void setOptions(const Options& options) { m_options = options; }
    const Options& options() const { return m_options; }

    // --- Speed ------------------------------------------------------------------------------
    // `ScrollTimeDelay`, clamped to 0..100. While running the step under way keeps its time.
    void setDelay(int delay);
    int delay() const { return m_delay; }
    bool canSpeedUp() const { return m_delay > 0; }
    bool canSlowDown() const { return m_delay < kSlowestDelay; }
    void speedUp() { setDelay(spedUp(m_delay)); }
    void slowDown() { setDelay(slowedDown(m_delay)); }
    // Delay - 5, where 0 becomes 1 and below 0 becomes 0: 10, 5, 1, 0.
    static int spedUp(int delay);
    // Delay + 5, at most 95.
    static int slowedDown(int delay);
    // The status-bar text: "Пауза", or the speed 100 - delay as "%.1f %" with the user's
    // decimal separator.
    static std::string speedText(int delay, bool paused, std::string_view decimalSeparator);
    std::string speedText(std::string_view decimalSeparator) const;

    // --- Running ----------------------------------------------------------------------------
    // Begins a run from the view's top row, stopping one under way first. False, and nothing
    // runs, when there is nothing to scroll in that direction.
    bool start(ScrollDirection direction);
    // Ends a run and leaves the text where the run had brought it (the wave goes back to the
    // page it was replacing, shifted by the repeated line). Nothing when not running.
    void stop();
    void pause();
    void resume();
    // The keys PgUp/PgDn/Up/Down while running: stop, move the top by `moveRows` (negative:
    // back) and run again in `direction`. False when the new run has nothing to scroll.
    bool restart(ScrollDirection direction, int moveRows);
    // Does every step that is due by the clock.
    void onTimer();
    // When onTimer() should next be called; nothing while stopped or paused.
    std::optional<int64_t> nextDueMs() const;

    AutoscrollState state() const { return m_state; }
    bool isActive() const { return m_state != AutoscrollState::Stopped; }
    ScrollDirection direction() const { return m_direction; }
    // The run's current line (a row of the segment): what the percentage read counts from.
    int64_t currentLine() const { return m_c; }
    // Whole rows of the area as captured at the start of the run.
    int visibleRows() const { return m_visible; }

private:
    enum class Pending { Tick, Turn, Pixel };

    bool forwards() const { return m_direction == ScrollDirection::Forwards; }
    bool textRemains() const;
    int64_t stepMs() const;
    void beginRun(ScrollDirection direction);
    void endRun(bool textUsedUp);
    void perform(int64_t due);
    void pageTick(int64_t due);
    void pageTurn(int64_t due);
    void lineTick();
    void pixelWaited();
    void showSmoothPixel();
    void beginWave();
    void showWavePixel();
    void continueAfter();
    void scheduleFrom(int64_t base);
    void scheduleNext();
    void shiftSchedule(int64_t delta);
    void publish();

    AutoscrollView& m_view;
    const Clock& m_clock;
    Observer* m_observer = nullptr;
    Options m_options;
    Options m_run; // the options of the run under way
    int m_delay = 40;

    AutoscrollState m_state = AutoscrollState::Stopped;
    ScrollDirection m_direction = ScrollDirection::Forwards;
    AutoscrollState m_published = AutoscrollState::Stopped;
    ScrollDirection m_publishedDirection = ScrollDirection::Forwards;

    // Geometry captured at the start.
    int64_t m_rows = 0;
    int m_rowHeight = 1;
    int m_width = 0;
    int m_height = 0;
    int m_visible = 1;
    int m_partRow = 0; // pixel rows below the last whole row

    int64_t m_c = 0;         // current line
    int64_t m_pageStart = 0; // page type: where the indicator began
    bool m_dimmed = false;
    int64_t m_firstLine = 0; // smooth: the top row at the start
    int64_t m_pixels = 0;    // smooth: pixel steps shown
    int64_t m_oldTop = 0;    // wave: the page being replaced
    int m_slots = 0;         // wave: rows swept, with the part-row when there is one
    int m_slot = 0;
    int m_sweep = 0; // pixel of the current slot the line has reached

    // Schedule: the pending step is due at m_due; steps of a run at m_base + k x stepMs().
    Pending m_pending = Pending::Tick;
    int64_t m_base = 0;
    int64_t m_steps = 0;
    int64_t m_due = 0;
    int64_t m_pausedAt = 0;
};

} // namespace Lecterna
