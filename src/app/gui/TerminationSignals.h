#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QSocketNotifier;
class QWidget;

namespace Lecterna {

// Ends the program cleanly on SIGINT, SIGTERM and SIGHUP: the handler only writes the signal's
// number into a pipe; the event loop then closes `window` (so its closing steps save the settings)
// and quits. One instance at a time; the previous handlers return when it is destroyed.
//
// Long operations (opening a book, rebuilding its text) keep their progress windows alive by
// processing events, so a signal may be read in the middle of one. Closing then would store and
// free the book under the operation's feet; while the hourglass cursor is up the closing waits
// for the operation to end.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QWidget* window, QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool installed() const { return m_notifier != nullptr; }
    // The number of the first signal read, or 0. A signal read before the event loop runs (during
    // start-up) has already closed the window: the program must not enter the loop then.
    int receivedSignal() const { return m_received; }

signals:
    void received(int signalNumber);

private:
    void readPipe();
    void closeWhenIdle();

    QPointer<QWidget> m_window;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_retry;
    int m_received = 0;
};

} // namespace Lecterna
