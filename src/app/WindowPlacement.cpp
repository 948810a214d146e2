#include "app/WindowPlacement.h"

#include "app/SettingsLocation.h"
#include "app/SettingsStore.h"

namespace Lecterna {

WindowPlacement::Geometry WindowPlacement::restore(int screenWidth) const {
    Geometry g;
    g.left = (left >= screenWidth || left < 0) ? 0 : left;
    g.top = top;
    g.width = (g.left + width > screenWidth) ? screenWidth - g.left : width;
    g.height = height;
    if (windowState >= Maximised) {
        g.maximised = true;
        return g;
    }
    g.setBounds = width != -1 && height != -1;
    return g;
}

WindowPlacement WindowPlacement::ofWindow(int left, int top, int width, int height, bool minimised, bool maximised) {
    return WindowPlacement{left, top, width, height, maximised ? Maximised : minimised ? Minimised : Normal};
}

WindowPlacement WindowPlacement::read(const SettingsStore& store, std::string_view section) {
    WindowPlacement p;
    p.left = store.readInteger(section, "Left", 0);
    p.top = store.readInteger(section, "Top", 0);
    p.width = store.readInteger(section, "Width", -1);
    p.height = store.readInteger(section, "Height", -1);
    p.windowState = store.readInteger(section, "WindowState", Normal);
    return p;
}

void WindowPlacement::write(SettingsStore& store, std::string_view section) const {
    store.writeInteger(section, "Left", left);
    store.writeInteger(section, "Top", top);
    store.writeInteger(section, "Width", width);
    store.writeInteger(section, "Height", height);
    store.writeInteger(section, "WindowState", windowState);
}

WindowPlacement restoreWindowPlacement(SettingsLocation& location, std::string_view section) {
    return WindowPlacement::read(*location.openSettingsForRead(), section);
}

void saveWindowPlacement(SettingsLocation& location, std::string_view section, const WindowPlacement& placement) {
    try {
        if (auto store = location.openSettingsForWrite()) {
            placement.write(*store, section);
            store->flush();
        }
    } catch (...) {
    }
}

} // namespace Lecterna
