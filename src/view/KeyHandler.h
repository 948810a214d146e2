#pragma once

#include "view/AutoscrollView.h"

#include <cstdint>

namespace Lecterna {

// The keys the reading view reacts to, independent of the toolkit (QtKeyMap maps Qt's keys).
enum class Key : uint8_t {
    Other,    // any key the reading view has no row for
    Modifier, // Shift, Ctrl, Alt or the like pressed by itself: the start of a chord, not a key
    F1,
    F3,
    F4,
    F7,
    F8,
    F9,
    F10,
    Digit0,
    Digit1,
    Digit2,
    Digit5,
    Digit9,
    Home,
    End,
    PageUp,
    PageDown,
    Up,
    Down,
    Space,
    Escape,
    KeypadPlus,
    KeypadMinus,
    RightAlt, // the right Alt key pressed and released with no other key in between
};

enum KeyModifier : unsigned { NoModifier = 0, ShiftModifier = 1, CtrlModifier = 2, AltModifier = 4 };

struct KeyInput {
    Key key = Key::Other;
    unsigned modifiers = NoModifier;
};

// `ExcapeKeyAction`: what Esc does.
enum class EscapeAction { Nothing = 0, CloseApplication = 1, MinimizeToTray = 2 };

struct KeyContext {
    AutoscrollState autoscroll = AutoscrollState::Stopped;
    bool doublePage = false;
    bool bufferShown = false; // the Buffer memo has the keys
    EscapeAction escape = EscapeAction::Nothing;
};

enum class KeyCommand {
    None, // not handled here: the key goes on to the focused widget
    // Commands that are also in the action list.
    Help,
    OpenFile,
    History,
    Settings,
    Find,
    GoTo,
    ChooseFont,
    FitSize,
    FitSizeWithAlt, // Ctrl+Alt+F9: the fitting is told that Alt was held
    Minimize,
    FontLarger,
    FontSmaller,
    LineSpacingSingle,
    LineSpacingOneAndHalf,
    LineSpacingDouble,
    LineSpacingMaximum,
    LineSpacingCustom,
    // The reading view's own.
    SwitchEncoding,      // F8: DOS <-> Windows
    DropDownEncodings,   // Shift+F8
    ContextMenu,         // Shift+F10, at the mouse cursor
    ScrollToLeftEnd,     // Home: horizontally, no vertical move
    ScrollToRightEnd,    // End
    SegmentStart,        // Ctrl+Home: first row of the segment
    SegmentEnd,          // Ctrl+End: last row of the segment
    PageBack,            // Paging::back
    PageForward,         // Paging::forward
    SpaceForward,        // Paging::spaceForward
    RightAltBack,        // Paging::rightAltBack
    LineUp,              // Paging::lineUp
    LineDown,            // Paging::lineDown
    PreviousSegment,     // Ctrl+PgUp
    NextSegment,         // Ctrl+PgDn
    AutoscrollBackwards, // Ctrl+Up
    CloseApplication,    // Esc, as closing the main window
    MinimizeToTray,      // Esc
    // While autoscroll runs.
    PauseAutoscroll,
    ResumeAutoscroll,
    AutoscrollScreenBack,    // stop, one screen back, go on backwards
    AutoscrollScreenForward, // stop, one screen on, go on forwards
    AutoscrollLineBack,      // stop, one row back, go on backwards
    AutoscrollLineForward,   // stop, one row on, go on forwards
    SpeedUp,
    SlowDown,
    StopAutoscroll, // any other key: stops autoscroll and goes no further
};

// The window's key handler as a decision table: which command a key press makes in the present
// state. The window sees keys before the reading area; shortcuts of the action list are matched
// before this handler, so a key that is both only reaches it when its command is disabled.
class KeyHandler {
public:
    static KeyCommand decide(const KeyInput& input, const KeyContext& context);
    // One notch of the mouse wheel over the reading area: Ctrl changes the font size, running
    // autoscroll takes it as Up or Down, otherwise the text moves one row (also in double-page
    // mode, where the keys turn pages instead).
    static KeyCommand wheelNotch(bool awayFromReader, unsigned modifiers, const KeyContext& context);

    // Tells when the right Alt key was pressed alone: it fires on the release that follows its
    // press with no other key pressed in between (so right Alt used in a chord does not page).
    class RightAltTracker {
    public:
        void pressed(Key key) { m_armed = key == Key::RightAlt; }
        bool released(Key key) {
            const bool alone = m_armed && key == Key::RightAlt;
            m_armed = false;
            return alone;
        }

    private:
        bool m_armed = false;
    };
};

} // namespace Lecterna
