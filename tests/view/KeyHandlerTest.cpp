#include "view/KeyHandler.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

using C = KeyCommand;
using S = AutoscrollState;
constexpr unsigned kNone = NoModifier, kShift = ShiftModifier, kCtrl = CtrlModifier, kAlt = AltModifier;

} // namespace

// The rows whose answer depends on more than the key: the modifiers held, double-page mode, the
// Esc setting, the Buffer, and the state of autoscroll.
TEST(KeyHandler, DecidesByKeyModifiersAndState) {
    struct Case {
        Key key;
        unsigned modifiers;
        KeyContext context;
        C command;
    };
    const KeyContext reading{}, doublePage{S::Stopped, true}, buffer{S::Stopped, false, true};
    const KeyContext running{S::Running}, paused{S::Paused};
    const Case cases[] = {
        {Key::F8, kShift, reading, C::DropDownEncodings},
        {Key::F9, kCtrl | kAlt, reading, C::FitSizeWithAlt},
        {Key::Digit5, kNone, reading, C::None}, // typing, swallowed elsewhere
        {Key::Space, kShift, reading, C::None},
        // Down scrolls a line; Ctrl+Down belongs to the autoscroll command's shortcut.
        {Key::Down, kNone, reading, C::LineDown},
        {Key::Down, kCtrl, reading, C::None},
        {Key::Up, kCtrl, reading, C::AutoscrollBackwards},
        {Key::Up, kNone, doublePage, C::PageBack},
        // Right Alt comes with whatever the platform still reports as held.
        {Key::RightAlt, kAlt, reading, C::RightAltBack},
        {Key::Escape, kNone, reading, C::None},
        // Shortcut matching cannot tell the keypad's + and - apart: the font steps come from here.
        {Key::KeypadPlus, kNone, reading, C::FontLarger},
        {Key::KeypadMinus, kNone, reading, C::FontSmaller},
        {Key::Escape, kNone, {S::Stopped, false, false, EscapeAction::MinimizeToTray}, C::MinimizeToTray},
        {Key::PageDown, kNone, buffer, C::None},
        {Key::Space, kNone, running, C::PauseAutoscroll},
        {Key::Up, kCtrl, running, C::AutoscrollLineBack},
        // At its limit the speed command is disabled and the key arrives here: it must not stop.
        {Key::KeypadPlus, kNone, running, C::SpeedUp},
        {Key::F3, kNone, running, C::StopAutoscroll},
        {Key::RightAlt, kNone, running, C::StopAutoscroll},
        // Holding Ctrl on the way to Ctrl+Down must not stop the run on its own.
        {Key::Modifier, kCtrl, running, C::None},
        {Key::PageDown, kNone, paused, C::ResumeAutoscroll},
        {Key::Modifier, kShift, paused, C::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyHandler::decide({c.key, c.modifiers}, c.context), c.command)
            << int(c.key) << " mods " << c.modifiers << " state " << int(c.context.autoscroll);
}

TEST(KeyHandler, WheelNotches) {
    EXPECT_EQ(KeyHandler::wheelNotch(true, kCtrl, {S::Running}), C::FontLarger);
    EXPECT_EQ(KeyHandler::wheelNotch(true, kNone, {S::Running}), C::AutoscrollLineBack);
    EXPECT_EQ(KeyHandler::wheelNotch(false, kNone, {S::Paused}), C::ResumeAutoscroll);
    EXPECT_EQ(KeyHandler::wheelNotch(true, kNone, {S::Stopped, true}), C::LineUp); // rows, even with two pages
}
