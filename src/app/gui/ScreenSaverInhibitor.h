#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <optional>

class QDBusPendingCallWatcher;
class QWidget;

namespace Lecterna {

// Keeps the desktop's screen saver away while the reading window is the active window, through
// the org.freedesktop.ScreenSaver interface of the session bus. Without a bus, or without a
// screen saver that answers there, it silently does nothing: the reader then simply gets the
// screen saver like any other program.
class ScreenSaverInhibitor : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.ScreenSaver";
    static constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
    static constexpr const char* kInterface = "org.freedesktop.ScreenSaver";

    // Follows the activation of `window`; tests pass a bus of their own.
    explicit ScreenSaverInhibitor(QWidget& window, const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~ScreenSaverInhibitor() override;

    // Called by the activation changes of the window.
    void setActive(bool active);
    // Whether the screen saver has granted the inhibition now held.
    bool isInhibiting() const { return m_cookie.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void inhibit();
    void release();

    QPointer<QWidget> m_window;
    QDBusConnection m_bus;
    bool m_wanted = false;
    QDBusPendingCallWatcher* m_pending = nullptr; // an Inhibit call not answered yet
    std::optional<uint> m_cookie;
};

} // namespace Lecterna
