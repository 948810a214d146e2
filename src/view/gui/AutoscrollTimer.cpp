#include "view/gui/AutoscrollTimer.h"

#include "app/Clock.h"

#include <algorithm>

namespace Lecterna {

AutoscrollTimer::AutoscrollTimer(Autoscroll& engine, const Clock& clock, QObject* parent)
    : QObject(parent), m_engine(engine), m_clock(clock) {
    m_timer.setSingleShot(true);
    // Coarse timers may fire 5% late; steps of a few milliseconds want better.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_engine.onTimer();
        emit stepped();
    });
    m_engine.setObserver(this);
}

AutoscrollTimer::~AutoscrollTimer() {
    m_engine.setObserver(nullptr);
}

void AutoscrollTimer::autoscrollStateChanged(AutoscrollState state) {
    emit stateChanged(state);
}

void AutoscrollTimer::autoscrollScheduleChanged() {
    const std::optional<int64_t> due = m_engine.nextDueMs();
    if (!due) {
        m_timer.stop();
        return;
    }
    const int64_t wait = std::clamp<int64_t>(*due - m_clock.steadyMs(), 0, Autoscroll::kMaxLagMs * 60);
    m_timer.start(static_cast<int>(wait));
}

} // namespace Lecterna
