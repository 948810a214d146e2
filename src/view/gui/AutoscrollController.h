#pragma once

#include "app/ProcessPriority.h"
#include "view/Autoscroll.h"
#include "view/gui/AutoscrollAdapter.h"
#include "view/gui/AutoscrollTimer.h"

#include <QObject>

#include <string>

namespace Lecterna {

class Clock;
class MainWindow;
class Reader;
class ReadingArea;
class Settings;

// Autoscroll in the reading window: the engine on the reading area, woken by a timer, and what a
// run changes around it while it lasts: the command's check mark, the speed buttons and the keypad
// keys in place of the font size ones, the seventh status-bar panel with the speed, the process
// priority, and the percentage read counted from the line the run has reached.
class AutoscrollController : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kSpeedHint = "Относительная скорость автоскроллинга";

    AutoscrollController(MainWindow& window, ReadingArea& area, Reader& reader, Settings& settings, const Clock& clock,
                         std::string decimalSeparator, QObject* parent = nullptr);
    ~AutoscrollController() override;

    // The command: starts forwards when stopped, stops otherwise.
    void toggle();
    // A run with the type, speed and colours of the settings, from the top row. False when there
    // is nothing to scroll in that direction (or no book).
    bool start(ScrollDirection direction);
    void stop();
    void pause();
    void resume();
    // PgUp/PgDn/Up/Down while running: stop, move the top by `moveRows`, run on in `direction`.
    void restart(ScrollDirection direction, int moveRows);
    // The speed commands; they keep `ScrollTimeDelay` up to date, so the speed is saved at close.
    void speedUp();
    void slowDown();
    // Does the steps the clock says are due. The timer calls it; so can a test moving a manual clock.
    void onTimer();

    AutoscrollState state() const { return m_engine.state(); }
    bool isActive() const { return m_engine.isActive(); }
    const Autoscroll& engine() const { return m_engine; }
    const AutoscrollAdapter& adapter() const { return m_adapter; }
    const ProcessPriority& priority() const { return m_priority; }

signals:
    // Running, paused or stopped, by a command, a key or the end of the text.
    void stateChanged(Lecterna::AutoscrollState state);

private:
    void applyState(AutoscrollState state);
    void afterSteps();
    void delayChanged();
    void showSpeed();

    MainWindow& m_window;
    Reader& m_reader;
    Settings& m_settings;
    std::string m_decimalSeparator;
    AutoscrollAdapter m_adapter;
    Autoscroll m_engine;
    AutoscrollTimer m_timer;
    ProcessPriority m_priority;
    bool m_shownActive = false;
};

} // namespace Lecterna
