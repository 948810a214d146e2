#include "view/gui/ReadingPulse.h"

#include <QEvent>
#include <QWidget>

namespace Lecterna {

ReadingPulse::ReadingPulse(QWidget& window, QObject* parent)
    : QObject(parent), m_window(window), m_active(window.isActiveWindow()) {
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &ReadingPulse::secondElapsed);
    m_window.installEventFilter(this);
}

void ReadingPulse::setBookOpen(bool open) {
    m_bookOpen = open;
    update();
}

bool ReadingPulse::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::ActivationChange) {
        const bool active = m_window.isActiveWindow();
        if (active != m_active) {
            m_active = active;
            update();
            emit activationChanged(active);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ReadingPulse::update() {
    const bool beat = m_bookOpen && m_active;
    if (beat && !m_timer.isActive())
        m_timer.start();
    else if (!beat)
        m_timer.stop();
}

} // namespace Lecterna
