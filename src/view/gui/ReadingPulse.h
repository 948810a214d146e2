#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace Lecterna {

// The reading window's one-second pulse. It beats while a book is open and the window is the
// active window, so the reading time it drives leaves out the time spent in other programs: it
// stops when the window is deactivated and starts a fresh second when it is activated again.
class ReadingPulse : public QObject {
    Q_OBJECT
public:
    explicit ReadingPulse(QWidget& window, QObject* parent = nullptr);

    void setBookOpen(bool open);
    bool isBeating() const { return m_timer.isActive(); }
    bool windowActive() const { return m_active; }

signals:
    void secondElapsed();
    // The window became the active window or stopped being it.
    void activationChanged(bool active);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    QWidget& m_window;
    QTimer m_timer;
    bool m_bookOpen = false;
    bool m_active = false;
};

} // namespace Lecterna
