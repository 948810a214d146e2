#pragma once

#include <string_view>

namespace Lecterna {

class SettingsStore;
class SettingsLocation;

// A window's stored position and state, in the section named after the window ("Form1" main
// window, "Form2" Open dialog, "Form9" picture viewer).
struct WindowPlacement {
    enum State { Normal = 0, Minimised = 1, Maximised = 2 };

    int left = 0;
    int top = 0;
    int width = -1; // -1: never stored, keep the window's own size and position
    int height = -1;
    int windowState = Normal;

    // What to do with the window.
    struct Geometry {
        bool maximised = false;
        bool setBounds = false; // move and resize to the four values below (only when not maximised)
        int left = 0, top = 0, width = 0, height = 0;
    };

    // Fits the stored values to a screen `screenWidth` pixels wide: a left edge off the screen goes
    // to 0 and a window reaching beyond the right edge is cut there. A stored minimised state
    // restores as a normal window.
    Geometry restore(int screenWidth) const;

    // The values to save for a window with these bounds and state flags.
    static WindowPlacement ofWindow(int left, int top, int width, int height, bool minimised, bool maximised);

    static WindowPlacement read(const SettingsStore& store, std::string_view section);
    void write(SettingsStore& store, std::string_view section) const;
};

// Reads a window's placement as its window is created.
WindowPlacement restoreWindowPlacement(SettingsLocation& location, std::string_view section);
// Writes and flushes it as its window is destroyed; skipped when nothing may be written, and a
// failure is swallowed: losing a window position is not worth a message at exit.
void saveWindowPlacement(SettingsLocation& location, std::string_view section, const WindowPlacement& placement);

} // namespace Lecterna
