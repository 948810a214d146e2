#include "view/gui/QtKeyMap.h"

namespace Lecterna {

namespace {

// X11 key symbols of the right Alt key: itself, or the third-level shift many layouts put there.
constexpr quint32 kXkAltR = 0xffea;
constexpr quint32 kXkIsoLevel3Shift = 0xfe03;

bool isRightAlt(const QKeyEvent& event) {
    if (event.key() == Qt::Key_AltGr)
        return true;
    return event.key() == Qt::Key_Alt &&
           (event.nativeVirtualKey() == kXkAltR || event.nativeVirtualKey() == kXkIsoLevel3Shift);
}

} // namespace

unsigned QtKeyMap::modifiersOf(Qt::KeyboardModifiers modifiers) {
    unsigned result = NoModifier;
    if (modifiers & Qt::ShiftModifier)
        result |= ShiftModifier;
    if (modifiers & Qt::ControlModifier)
        result |= CtrlModifier;
    if (modifiers & Qt::AltModifier)
        result |= AltModifier;
    return result;
}

Key QtKeyMap::keyOf(const QKeyEvent& event) {
    if (isRightAlt(event))
        return Key::RightAlt;
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock: return Key::Modifier;
    case Qt::Key_F1: return Key::F1;
    case Qt::Key_F3: return Key::F3;
    case Qt::Key_F4: return Key::F4;
    case Qt::Key_F7: return Key::F7;
    case Qt::Key_F8: return Key::F8;
    case Qt::Key_F9: return Key::F9;
    case Qt::Key_F10: return Key::F10;
    // The line spacing keys are the digits of the main block, not those of the keypad.
    case Qt::Key_0: return keypad ? Key::Other : Key::Digit0;
    case Qt::Key_1: return keypad ? Key::Other : Key::Digit1;
    case Qt::Key_2: return keypad ? Key::Other : Key::Digit2;
    case Qt::Key_5: return keypad ? Key::Other : Key::Digit5;
    case Qt::Key_9: return keypad ? Key::Other : Key::Digit9;
    // The navigation keys work from either block.
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_End: return Key::End;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Plus: return keypad ? Key::KeypadPlus : Key::Other;
    case Qt::Key_Minus: return keypad ? Key::KeypadMinus : Key::Other;
    default: return Key::Other;
    }
}

std::optional<KeyInput> QtKeyMap::translate(const QKeyEvent& event) {
    const Key key = keyOf(event);
    const unsigned modifiers = modifiersOf(event.modifiers());
    if (event.type() == QEvent::KeyRelease) {
        if (event.isAutoRepeat())
            return std::nullopt;
        if (m_rightAlt.released(key))
            return KeyInput{Key::RightAlt, modifiers};
        return std::nullopt;
    }
    if (event.type() != QEvent::KeyPress)
        return std::nullopt;
    // A held key repeats its press without a release; only a real press disarms right Alt.
    if (!(event.isAutoRepeat() && key == Key::RightAlt))
        m_rightAlt.pressed(key);
    if (key == Key::RightAlt)
        return std::nullopt;
    return KeyInput{key, modifiers};
}

} // namespace Lecterna
