#include "view/HiddenCursorCountdown.h"

namespace Lecterna {

HiddenCursorCountdown::Action HiddenCursorCountdown::tick(bool counting) {
    if (!counting)
        return Action::None;
    if (m_seconds == 0) {
        m_seconds = -1;
        return Action::Hide;
    }
    // Once hidden the value stays negative until the mouse moves; it only has to stay below 0.
    if (m_seconds > 0)
        --m_seconds;
    return Action::None;
}

HiddenCursorCountdown::Action HiddenCursorCountdown::mouseMoved() {
    if (m_seconds >= 0)
        return Action::None;
    m_seconds = kAfterMouseMove;
    return Action::Show;
}

HiddenCursorCountdown::Action HiddenCursorCountdown::menuOpened() {
    const bool wasHidden = isCursorHidden();
    m_seconds = kAfterMenuOpened;
    return wasHidden ? Action::Show : Action::None;
}

HiddenCursorCountdown::Action HiddenCursorCountdown::reset() {
    const bool wasHidden = isCursorHidden();
    m_seconds = 0;
    return wasHidden ? Action::Show : Action::None;
}

} // namespace Lecterna
