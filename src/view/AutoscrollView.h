#pragma once

namespace Lecterna {

// `ScrollType`: how autoscroll moves the text; the values are the stored setting.
enum class ScrollType { Page = 0, Line = 1, Smooth = 2, Wave = 3 };

enum class ScrollDirection { Forwards, Backwards };

// Paused counts as running for everything but the motion: the status bar shows "Пауза" and the
// next key only ends the pause.
enum class AutoscrollState { Stopped, Running, Paused };

// One moment of the wave: a line sweeps across the rows and leaves the next page behind it. Row
// slots are counted from the top of the area, slot j at y = j * row height.
struct WaveFrame {
    bool active = false;
    int newTop = 0;  // the row of the new page that slot 0 shows
    int newFrom = 0; // slots [newFrom, newTo) already show the new page (row newTop + slot)
    int newTo = 0;
    int clearedFrom = 0; // pixel rows [clearedFrom, clearedTo) show only the background
    int clearedTo = 0;
    int lineY = 0; // the sweeping line, one pixel high across the area

    bool operator==(const WaveFrame&) const = default;
};

// What autoscroll needs from the reading area. The Qt side implements it on ReadingArea
// (AutoscrollAdapter); tests implement it with plain numbers. Rows are rows of the current
// segment; pixels are in the area's client coordinates.
class AutoscrollView {
public:
    virtual ~AutoscrollView() = default;

    // Geometry, read when a run starts (resizing the area stops autoscroll).
    virtual int rowCount() const = 0;
    virtual int topRow() const = 0;
    virtual int rowHeight() const = 0;
    virtual int clientWidth() const = 0;
    virtual int clientHeight() const = 0;

    // Moves the text. The view clamps the top as a list box does (never past rows - visible rows).
    virtual void setTopRow(int row) = 0;
    // Draws the rows moved up by `pixels` (negative: down) without moving the top row.
    virtual void setPixelOffset(int pixels) = 0;

    // The page type's progress indicator: a vertical line at x from fromY to toY, 3 pixels wide;
    // nothing when fromY == toY.
    virtual void setIndicator(int x, int fromY, int toY) = 0;
    // The page type dims the text for a moment before the page turns.
    virtual void setTextDimmed(bool dimmed) = 0;
    virtual void setWave(const WaveFrame& frame) = 0;
    // A run begins or ends: scroll bars off while it runs, marks cleared when it ends.
    virtual void setRunning(bool running) = 0;
};

} // namespace Lecterna
