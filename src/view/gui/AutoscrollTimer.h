#pragma once

#include "view/Autoscroll.h"

#include <QObject>
#include <QTimer>

namespace Lecterna {

class Clock;

// Drives an Autoscroll with a single-shot timer set to the engine's next due step, so the event
// loop stays free between steps (keys, the mouse and painting go on while the text moves). The
// engine's own schedule decides when a step is due; the timer only wakes it.
class AutoscrollTimer : public QObject, private Autoscroll::Observer {
    Q_OBJECT
public:
    // Becomes the engine's observer; the engine and the clock must outlive the timer.
    AutoscrollTimer(Autoscroll& engine, const Clock& clock, QObject* parent = nullptr);
    ~AutoscrollTimer() override;

    bool isWaiting() const { return m_timer.isActive(); }

signals:
    // Running, paused or stopped, whether asked for or because the text was used up.
    void stateChanged(Lecterna::AutoscrollState state);
    // The timer woke the engine, which did the steps that were due.
    void stepped();

private:
    void autoscrollStateChanged(AutoscrollState state) override;
    void autoscrollScheduleChanged() override;

    Autoscroll& m_engine;
    const Clock& m_clock;
    QTimer m_timer;
};

} // namespace Lecterna
