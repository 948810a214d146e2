#pragma once

#include "view/KeyHandler.h"

#include <QKeyEvent>

#include <optional>

namespace Lecterna {

// Qt's key events in the key handler's terms. It keeps the little state that the right Alt key
// needs: the key pages only when it is released without another key pressed meanwhile.
class QtKeyMap {
public:
    // The input to give KeyHandler::decide for a key press or release seen by the window, or
    // nothing: releases are not keys, except the release of a lone right Alt; the press of
    // right Alt waits for its release.
    std::optional<KeyInput> translate(const QKeyEvent& event);

    static Key keyOf(const QKeyEvent& event);
    static unsigned modifiersOf(Qt::KeyboardModifiers modifiers);

private:
    KeyHandler::RightAltTracker m_rightAlt;
};

} // namespace Lecterna
