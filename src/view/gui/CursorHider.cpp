#include "view/gui/CursorHider.h"

#include "view/gui/ReadingArea.h"

#include <QMenu>

namespace Lecterna {

CursorHider::CursorHider(ReadingArea& area, QObject* parent) : QObject(parent), m_area(area) {
    connect(&area, &ReadingArea::mouseMoved, this, &CursorHider::mouseMoved);
}

void CursorHider::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        apply(m_countdown.reset());
}

void CursorHider::second() {
    apply(m_countdown.tick(m_enabled && !m_bufferShown));
}

void CursorHider::mouseMoved() {
    if (m_enabled)
        apply(m_countdown.mouseMoved());
}

void CursorHider::menuOpened() {
    apply(m_countdown.menuOpened());
}

void CursorHider::watch(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, &CursorHider::menuOpened);
}

void CursorHider::apply(HiddenCursorCountdown::Action action) {
    if (action == HiddenCursorCountdown::Action::Hide)
        m_area.setMouseCursorHidden(true);
    else if (action == HiddenCursorCountdown::Action::Show)
        m_area.setMouseCursorHidden(false);
}

} // namespace Lecterna
