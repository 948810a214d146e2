#include "view/KeyHandler.h"

#include <array>

namespace Lecterna {

namespace {

struct Row {
    Key key;
    unsigned modifiers;
    KeyCommand command;
};

constexpr unsigned kCtrlAlt = CtrlModifier | AltModifier;

// The keys of a stopped reader, modifiers matched exactly. Up, Down and Esc depend on more
// than the key and are decided in code.
constexpr std::array kReadingKeys = {
    Row{Key::F1, NoModifier, KeyCommand::Help},
    Row{Key::F3, NoModifier, KeyCommand::OpenFile},
    Row{Key::F4, NoModifier, KeyCommand::History},
    Row{Key::F10, NoModifier, KeyCommand::Settings},
    Row{Key::F7, NoModifier, KeyCommand::Find},
    Row{Key::F7, CtrlModifier, KeyCommand::GoTo},
    Row{Key::F8, NoModifier, KeyCommand::SwitchEncoding},
    Row{Key::F8, ShiftModifier, KeyCommand::DropDownEncodings},
    Row{Key::F9, NoModifier, KeyCommand::ChooseFont},
    Row{Key::F9, CtrlModifier, KeyCommand::FitSize},
    Row{Key::F9, kCtrlAlt, KeyCommand::FitSizeWithAlt},
    Row{Key::F10, ShiftModifier, KeyCommand::ContextMenu},
    Row{Key::F10, AltModifier, KeyCommand::Minimize},
    Row{Key::Digit1, CtrlModifier, KeyCommand::LineSpacingSingle},
    Row{Key::Digit5, CtrlModifier, KeyCommand::LineSpacingOneAndHalf},
    Row{Key::Digit2, CtrlModifier, KeyCommand::LineSpacingDouble},
    Row{Key::Digit9, CtrlModifier, KeyCommand::LineSpacingMaximum},
    Row{Key::Digit0, CtrlModifier, KeyCommand::LineSpacingCustom},
    Row{Key::Home, NoModifier, KeyCommand::ScrollToLeftEnd},
    Row{Key::End, NoModifier, KeyCommand::ScrollToRightEnd},
    Row{Key::Home, CtrlModifier, KeyCommand::SegmentStart},
    Row{Key::End, CtrlModifier, KeyCommand::SegmentEnd},
    Row{Key::PageUp, NoModifier, KeyCommand::PageBack},
    Row{Key::PageUp, CtrlModifier, KeyCommand::PreviousSegment},
    Row{Key::PageDown, NoModifier, KeyCommand::PageForward},
    Row{Key::PageDown, CtrlModifier, KeyCommand::NextSegment},
    Row{Key::Up, CtrlModifier, KeyCommand::AutoscrollBackwards},
    Row{Key::Space, NoModifier, KeyCommand::SpaceForward},
};

KeyCommand whileReading(const KeyInput& in, const KeyContext& context) {
    switch (in.key) {
    case Key::RightAlt:
        // Released alone; whatever the platform reports as still held at that moment.
        return KeyCommand::RightAltBack;
    case Key::Up:
        if (in.modifiers == NoModifier)
            return context.doublePage ? KeyCommand::PageBack : KeyCommand::LineUp;
        break;
    case Key::Down:
        // Ctrl+Down is the autoscroll command's shortcut, not a key of this table.
        if (in.modifiers == NoModifier)
            return context.doublePage ? KeyCommand::PageForward : KeyCommand::LineDown;
        break;
    case Key::KeypadPlus:
    case Key::KeypadMinus:
        // The font size commands show these keys as their shortcuts, but shortcut matching does
        // not tell the keypad's + from the main keyboard's, so the keys are handled here.
        if (in.modifiers == NoModifier)
            return in.key == Key::KeypadPlus ? KeyCommand::FontLarger : KeyCommand::FontSmaller;
        break;
    case Key::Escape:
        if (in.modifiers != NoModifier)
            break;
        switch (context.escape) {
        case EscapeAction::CloseApplication: return KeyCommand::CloseApplication;
        case EscapeAction::MinimizeToTray: return KeyCommand::MinimizeToTray;
        case EscapeAction::Nothing: return KeyCommand::None;
        }
        break;
    default: break;
    }
    for (const Row& row : kReadingKeys)
        if (row.key == in.key && row.modifiers == in.modifiers)
            return row.command;
    return KeyCommand::None;
}

KeyCommand whileScrolling(const KeyInput& in) {
    // Modifiers do not matter here: Ctrl+Up while scrolling forwards turns round like Up does.
    switch (in.key) {
    case Key::Space: return KeyCommand::PauseAutoscroll;
    case Key::PageUp: return KeyCommand::AutoscrollScreenBack;
    case Key::PageDown: return KeyCommand::AutoscrollScreenForward;
    case Key::Up: return KeyCommand::AutoscrollLineBack;
    case Key::Down: return KeyCommand::AutoscrollLineForward;
    // Normally the speed commands' shortcuts take these first; they arrive here when the speed
    // is at its limit and the command is disabled, which must not stop the run.
    case Key::KeypadPlus: return KeyCommand::SpeedUp;
    case Key::KeypadMinus: return KeyCommand::SlowDown;
    default: return KeyCommand::StopAutoscroll;
    }
}

} // namespace

KeyCommand KeyHandler::decide(const KeyInput& input, const KeyContext& context) {
    // A modifier pressed alone is only the start of a chord. Taking it as "any other key" would
    // stop autoscroll before its own Ctrl+Down shortcut could toggle it off, which then started
    // it again.
    if (input.key == Key::Modifier)
        return KeyCommand::None;
    switch (context.autoscroll) {
    case AutoscrollState::Paused: return KeyCommand::ResumeAutoscroll;
    case AutoscrollState::Running: return whileScrolling(input);
    case AutoscrollState::Stopped: break;
    }
    if (context.bufferShown)
        return KeyCommand::None;
    return whileReading(input, context);
}

KeyCommand KeyHandler::wheelNotch(bool awayFromReader, unsigned modifiers, const KeyContext& context) {
    if (modifiers & CtrlModifier)
        return awayFromReader ? KeyCommand::FontLarger : KeyCommand::FontSmaller;
    if (context.autoscroll != AutoscrollState::Stopped)
        return decide({awayFromReader ? Key::Up : Key::Down, NoModifier}, context);
    return awayFromReader ? KeyCommand::LineUp : KeyCommand::LineDown;
}

} // namespace Lecterna
