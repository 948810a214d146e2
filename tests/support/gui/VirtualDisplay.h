#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace Lecterna::testsupport {

// An X server of the test's own (Xvfb, at the first free display number) on which the real
// program runs as a user would see it, driven by xdotool: keys through the XTEST extension, so
// they arrive exactly like typed ones.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const QString& screen = QStringLiteral("1024x768x24"));
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Why the display cannot be used (a tool missing, the server did not start); empty when it can.
    const QString& problem() const { return m_problem; }
    const QString& name() const { return m_name; }

    // The environment of a Qt program shown on this display: the caller's, with the display set
    // and the offscreen platform of the tests replaced by X.
    QProcessEnvironment environment() const;

    // Runs xdotool with these arguments; its output, trimmed. `ok` (if given) tells whether it
    // ran and succeeded within the time.
    QString xdotool(const QStringList& args, int timeoutMs = 15000, bool* ok = nullptr) const;
    // Ids of the visible top-level windows whose title matches `pattern` (a regular expression),
    // or with `by` "--class", whose class does (a popup menu is found only that way).
    QStringList windows(const QString& pattern, const QString& by = QStringLiteral("--name")) const;
    // Waits for the first visible window whose title matches; its id, or empty after `timeoutMs`.
    QString waitForWindow(const QString& pattern, int timeoutMs = 30000) const;
    // Waits until no visible window's title matches; false after `timeoutMs`.
    bool waitForNoWindow(const QString& pattern, int timeoutMs = 10000) const;
    // Waits until exactly `count` windows match, as windows() finds them.
    bool waitForWindowCount(const QString& pattern, int count, const QString& by = QStringLiteral("--name"),
                            int timeoutMs = 10000) const;

    // Gives a window the keyboard focus. There is no window manager: when a popup or a dialog
    // goes away the focus does not come back by itself.
    void focus(const QString& window) const;
    // Keys as xdotool names them ("ctrl+b", "KP_Add", "Cyrillic_te"), one after another.
    void keys(const QStringList& keys) const;
    void type(const QString& text) const;
    // Turns the mouse wheel towards the reader `notches` times with the pointer over (x, y) of
    // the window.
    void wheelDown(const QString& window, int x, int y, int notches) const;
    void rightClick(const QString& window, int x, int y) const;

    // What the screen shows now (the server keeps its frame buffer in a file for us).
    QImage screen() const;
    // A window's place on the screen; empty when it cannot be told.
    QRect geometry(const QString& window) const;

private:
    QTemporaryDir m_frameBuffer;
    QProcess m_server;
    QString m_name;
    QString m_problem;
};

} // namespace Lecterna::testsupport
