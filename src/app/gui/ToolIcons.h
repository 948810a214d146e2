#pragma once

#include <QIcon>

namespace Lecterna {

// The pictures of the tool bar and status bar buttons, drawn by code (see PaintedIconEngine).
class ToolIcons {
public:
    enum Id {
        Open,
        History,
        Bookmarks,
        Text,
        Encoding,
        Search,
        Autoscroll,
        FullScreen,
        Settings,
        Alarm,
        Help,
        Buffer,
        FontLarger,
        FontSmaller,
        SpeedUp,
        SlowDown,
        Exit,
    };

    static QIcon icon(Id id);
};

} // namespace Lecterna
