#pragma once

#include "app/gui/FullScreenSwitcher.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ScreenSaverInhibitor.h"
#include "sources/WordSession.h"
#include "view/KeyHandler.h"
#include "view/Paging.h"
#include "view/gui/QtKeyMap.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QKeyEvent;

namespace Lecterna {

class AutoscrollController;
class Clock;
class MainWindow;
class Reader;
class ReadingArea;
class ReadingController;
class Settings;

// Moving through the book from the keyboard and the mouse: the window's key preview turned into
// paging, line and segment moves and commands by the key table; clicks on the text that turn
// pages (again every 333 ms while the button is held); the wheel; full screen; autoscroll and
// what stops it (resizing, activation changes, the view commands); the screen saver held off
// while the window is active.
class NavigationController : public QObject {
    Q_OBJECT
public:
    static constexpr int kClickRepeatMs = 333;

    NavigationController(MainWindow& window, ReadingController& controller, Settings& settings, const Clock& clock,
                         std::string decimalSeparator);
    ~NavigationController() override;

    AutoscrollController& autoscroll() { return *m_autoscroll; }
    FullScreenSwitcher& fullScreen() { return *m_fullScreen; }

    // Every command that changes the text, its layout, the font or the view calls this first;
    // the commands of the window's action list do so by themselves.
    void stopAutoscroll();
    // The area is about to take new rows. A run still going (a command did not stop it) ends
    // where the session's top row already is.
    void rowsReplaced();
    // Once the window is shown at start: full screen when `StartInFullScreen` asks for it.
    void applyStartOptions();

    // The window's key preview: true when the key was taken.
    bool keyEvent(QKeyEvent& event);
    bool isClickRepeating() const { return m_clickRepeat.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool run(KeyCommand command);
    KeyContext keyContext() const;
    PageView pageView() const;
    void move(const PageMove& move);
    void moveTo(int64_t top);
    void scrollSideways(int value);
    void trigger(ReaderActions::Id id);
    void viewCommand(const std::function<void()>& change);
    void mousePressed(QPoint pos, Qt::MouseButton button);
    void click();
    void wheelTurned(int notches);
    void aboutToSwitchScreen();
    void screenSwitched(bool fullScreen);
    void restoreTopAfterSwitch();

    MainWindow& m_window;
    ReadingController& m_controller;
    Reader& m_reader;
    ReadingArea& m_area;
    Settings& m_settings;
    WordSession m_word;
    QtKeyMap m_keys;
    std::unique_ptr<AutoscrollController> m_autoscroll;
    QPointer<FullScreenSwitcher> m_fullScreen;    // a child of the window
    QPointer<ScreenSaverInhibitor> m_screenSaver; // a child of the window

    bool m_refreshAfterStop = true;
    QTimer m_clickRepeat;
    Paging::Click m_click = Paging::Click::PageForward;
    // The first click after the program was left only brings the window back.
    bool m_ignoreNextClick = false;
    Qt::KeyboardModifiers m_wheelModifiers;

    // Full screen keeps the top row, though the window system may size the window a little later.
    int64_t m_lineBeforeSwitch = 0;
    int64_t m_lineCountBeforeSwitch = 0;
    int64_t m_lineAfterSwitch = -1; // where the last switch left the top
    int64_t m_lineCountAfterSwitch = -1;
    QTimer m_keepTopAfterSwitch;
};

} // namespace Lecterna
