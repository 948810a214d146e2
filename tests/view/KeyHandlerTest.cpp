#include "view/KeyHandler.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

using C = KeyCommand;
using S = AutoscrollState;
constexpr unsigned kNone = NoModifier, kShift = ShiftModifier, kCtrl = CtrlModifier, kAlt = AltModifier;

KeyContext context(S state = S::Stopped, bool doublePage = false, EscapeAction escape = EscapeAction::Nothing,
                   bool buffer = false) {
    return KeyContext{state, doublePage, buffer, escape};
}

} // namespace

TEST(KeyHandler, ReadingKeys) {
    struct Case {
        Key key;
        unsigned modifiers;
        KeyContext context;
        C command;
    };
    const Case cases[] = {
        {Key::F8, kNone, context(), C::SwitchEncoding},
        {Key::F8, kShift, context(), C::DropDownEncodings},
        {Key::F9, kCtrl, context(), C::FitSize},
        {Key::F9, kCtrl | kAlt, context(), C::FitSizeWithAlt},
        {Key::F10, kShift, context(), C::ContextMenu},
        {Key::F10, kAlt, context(), C::Minimize},
        {Key::F7, kCtrl, context(), C::GoTo},
        {Key::Digit5, kCtrl, context(), C::LineSpacingOneAndHalf},
        {Key::Digit0, kCtrl, context(), C::LineSpacingCustom},
        {Key::Digit5, kNone, context(), C::None}, // a digit alone is typing, swallowed elsewhere
        {Key::Home, kNone, context(), C::ScrollToLeftEnd},
        {Key::Home, kCtrl, context(), C::SegmentStart},
        {Key::End, kCtrl, context(), C::SegmentEnd},
        {Key::PageUp, kNone, context(), C::PageBack},
        {Key::PageUp, kCtrl, context(), C::PreviousSegment},
        {Key::PageDown, kCtrl, context(), C::NextSegment},
        {Key::Space, kNone, context(), C::SpaceForward},
        {Key::Space, kShift, context(), C::None},
        // Down scrolls a line; Ctrl+Down belongs to the autoscroll command's shortcut.
        {Key::Down, kNone, context(), C::LineDown},
        {Key::Down, kCtrl, context(), C::None},
        {Key::Up, kCtrl, context(), C::AutoscrollBackwards},
        // Double-page mode turns the double page with Up and Down.
        {Key::Up, kNone, context(S::Stopped, true), C::PageBack},
        {Key::Down, kNone, context(S::Stopped, true), C::PageForward},
        // The right Alt key comes with whatever the platform still reports as held.
        {Key::RightAlt, kAlt, context(), C::RightAltBack},
        {Key::Escape, kNone, context(), C::None},
        {Key::Escape, kNone, context(S::Stopped, false, EscapeAction::CloseApplication), C::CloseApplication},
        {Key::Escape, kNone, context(S::Stopped, false, EscapeAction::MinimizeToTray), C::MinimizeToTray},
        // The Buffer memo keeps its keys.
        {Key::PageDown, kNone, context(S::Stopped, false, EscapeAction::Nothing, true), C::None},
        {Key::Other, kNone, context(), C::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyHandler::decide({c.key, c.modifiers}, c.context), c.command)
            << int(c.key) << " mods " << c.modifiers;
}

TEST(KeyHandler, KeysWhileAutoscrolling) {
    struct Case {
        Key key;
        unsigned modifiers;
        S state;
        C command;
    };
    const Case cases[] = {
        {Key::Space, kNone, S::Running, C::PauseAutoscroll},
        {Key::PageUp, kNone, S::Running, C::AutoscrollScreenBack},
        {Key::PageDown, kCtrl, S::Running, C::AutoscrollScreenForward},
        {Key::Up, kNone, S::Running, C::AutoscrollLineBack},
        {Key::Up, kCtrl, S::Running, C::AutoscrollLineBack},
        {Key::Down, kNone, S::Running, C::AutoscrollLineForward},
        {Key::KeypadPlus, kNone, S::Running, C::SpeedUp},
        {Key::KeypadMinus, kNone, S::Running, C::SlowDown},
        {Key::F3, kNone, S::Running, C::StopAutoscroll},
        {Key::Other, kNone, S::Running, C::StopAutoscroll},
        {Key::RightAlt, kNone, S::Running, C::StopAutoscroll},
        // Holding Ctrl on the way to Ctrl+Down must not stop the run on its own.
        {Key::Modifier, kCtrl, S::Running, C::None},
        // While paused a key only ends the pause.
        {Key::Space, kNone, S::Paused, C::ResumeAutoscroll},
        {Key::F3, kNone, S::Paused, C::ResumeAutoscroll},
        {Key::PageDown, kNone, S::Paused, C::ResumeAutoscroll},
        {Key::Modifier, kShift, S::Paused, C::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyHandler::decide({c.key, c.modifiers}, context(c.state)), c.command) << int(c.key);
}

TEST(KeyHandler, WheelAndRightAlt) {
    EXPECT_EQ(KeyHandler::wheelNotch(true, kCtrl, context(S::Running)), C::FontLarger);
    EXPECT_EQ(KeyHandler::wheelNotch(false, kCtrl, context()), C::FontSmaller);
    EXPECT_EQ(KeyHandler::wheelNotch(true, kNone, context(S::Running)), C::AutoscrollLineBack);
    EXPECT_EQ(KeyHandler::wheelNotch(false, kNone, context(S::Running)), C::AutoscrollLineForward);
    EXPECT_EQ(KeyHandler::wheelNotch(false, kNone, context(S::Paused)), C::ResumeAutoscroll);
    EXPECT_EQ(KeyHandler::wheelNotch(true, kNone, context(S::Stopped, true)), C::LineUp);

    struct Step {
        bool press;
        Key key;
        bool fires;
    };
    const std::vector<std::vector<Step>> sequences = {
        {{true, Key::RightAlt, false}, {false, Key::RightAlt, true}},
        // Used in a chord, the key does not page.
        {{true, Key::RightAlt, false}, {true, Key::F4, false}, {false, Key::F4, false}, {false, Key::RightAlt, false}},
        {{false, Key::RightAlt, false}},
        {{true, Key::Modifier, false}, {false, Key::RightAlt, false}},
    };
    for (const auto& sequence : sequences) {
        KeyHandler::RightAltTracker tracker;
        for (const Step& step : sequence) {
            if (step.press)
                tracker.pressed(step.key);
            else
                EXPECT_EQ(tracker.released(step.key), step.fires);
        }
    }
}
