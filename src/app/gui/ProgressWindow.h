#pragma once

#include "app/ProgressSink.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace Lecterna {

class Clock;

// A borderless window with a caption, a progress bar and "Пропустить" (also Esc), shown while a
// long text operation runs on the interface thread. The operation polls skipRequested() very
// often (at every space or character); events are processed at most every PumpIntervalMs, and
// the clock itself is read only every CallsPerClockRead calls, so polling costs next to nothing.
class ProgressWindow : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    static constexpr int PumpIntervalMs = 20;
    static constexpr int CallsPerClockRead = 256;

    // `clock` must outlive the window.
    ProgressWindow(const QString& caption, QSize size, const Clock& clock, QWidget* parent = nullptr);
    ProgressWindow(const QString& caption, QSize size, QWidget* parent = nullptr);

    // Centres, shows and paints the window, and clears an earlier skip request.
    void showNow();

    void setMaximum(size_t maximum) override;
    void setPosition(size_t position) override;
    bool skipRequested() override;

    // The reader's request, without processing events.
    bool skipPressed() const { return m_skip; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showPosition();

    const Clock& m_clock;
    QLabel* m_caption;
    QProgressBar* m_bar;
    QPushButton* m_skipButton;
    size_t m_maximum = 100;
    size_t m_position = 0;
    int64_t m_lastPump = 0;
    int m_callsUntilClockRead = CallsPerClockRead;
    bool m_skip = false;
};

} // namespace Lecterna
