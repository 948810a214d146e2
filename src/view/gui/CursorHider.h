#pragma once

#include "view/HiddenCursorCountdown.h"

#include <QObject>

class QMenu;

namespace Lecterna {

class ReadingArea;

// Hides the mouse cursor over the page while the reader reads, when the settings ask for it:
// the countdown runs on the reading pulse, a mouse move brings the cursor back for about ten
// seconds, and opening one of the drop-down menus gives the reader a minute and a half.
class CursorHider : public QObject {
    Q_OBJECT
public:
    explicit CursorHider(ReadingArea& area, QObject* parent = nullptr);

    // The HideCursor setting. Switched off, the cursor comes back and the countdown starts afresh.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // The Buffer covers the page: the countdown stands still while it is shown.
    void setBufferShown(bool shown) { m_bufferShown = shown; }

    // One second of the pulse (which beats only while the window is active).
    void second();
    void mouseMoved();
    void menuOpened();
    // Opening `menu` counts as opening a drop-down menu.
    void watch(QMenu* menu);

    bool isCursorHidden() const { return m_countdown.isCursorHidden(); }
    int secondsLeft() const { return m_countdown.seconds(); }

private:
    void apply(HiddenCursorCountdown::Action action);

    ReadingArea& m_area;
    HiddenCursorCountdown m_countdown;
    bool m_enabled = false;
    bool m_bufferShown = false;
};

} // namespace Lecterna
