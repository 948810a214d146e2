#pragma once

namespace Lecterna {

// Hides the mouse cursor while the reader reads: at the start of reading, and about ten seconds
// after each time the mouse brought it back. The main window drives it from its one-second timer
// and its mouse and menu events, and shows or hides the cursor as told.
class HiddenCursorCountdown {
public:
    enum class Action { None, Hide, Show };

    static constexpr int kAfterMouseMove = 10;
    static constexpr int kAfterMenuOpened = 90;

    // The one-second tick. `counting` is true while the main window is active, hiding the cursor
    // is switched on and the Buffer is not shown; otherwise the countdown stands still.
    Action tick(bool counting);
    // The mouse moved over the window while hiding is switched on.
    Action mouseMoved();
    // A drop-down menu, the segment menu or the tray menu opened: the reader is about to use the
    // mouse, so hiding waits longer. A cursor hidden at that moment comes back at once, or it
    // would stay hidden over the menu's window for the whole wait.
    Action menuOpened();
    // Hiding was switched off: the cursor comes back and the countdown starts afresh.
    Action reset();

    int seconds() const { return m_seconds; }
    bool isCursorHidden() const { return m_seconds < 0; }

private:
    int m_seconds = 0;
};

} // namespace Lecterna
