#pragma once

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <vector>

class QMainWindow;
class QWidget;

namespace Lecterna {

// Full screen for the reading window: tool bars and status bar hidden, a frameless window over
// the whole screen, and on leaving the window exactly where and as it was (position, size,
// maximised or not). In full screen the tool bar comes back while the mouse is near the top edge
// (the hot spot) and goes again when the mouse moves over the window below it.
class FullScreenSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kHotSpotPixels = 15;

    explicit FullScreenSwitcher(QMainWindow& window);
    ~FullScreenSwitcher() override;

    bool isFullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on);
    void toggle() { setFullScreen(!m_fullScreen); }

    // While autoscroll runs the hot spot does nothing.
    void setHotSpotSuspended(bool suspended) { m_hotSpotSuspended = suspended; }

signals:
    // Before anything changes: the place to stop autoscroll and remember the top row.
    void aboutToSwitch(bool toFullScreen);
    // After the window has its new frame: the place to bring the top row back.
    void switched(bool fullScreen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter();
    void leave();
    void mouseMoved(QWidget* over, const QPoint& globalPos);
    std::vector<QWidget*> bars() const;

    QMainWindow& m_window;
    bool m_fullScreen = false;
    bool m_hotSpotSuspended = false;
    QByteArray m_savedGeometry;
    Qt::WindowStates m_savedState;
    Qt::WindowFlags m_savedFlags;
    bool m_savedMouseTracking = false;
    std::vector<std::pair<QPointer<QWidget>, bool>> m_savedBars; // each bar and whether it was shown
    std::vector<QPointer<QWidget>> m_hotSpotBars;                // the tool bars that were shown
    // A move that is not taken by a widget travels up to its parents; it counts once.
    quint64 m_lastMoveTime = 0;
    QPoint m_lastMovePos;
};

} // namespace Lecterna
