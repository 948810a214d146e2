#pragma once

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

namespace Lecterna {

// Ends the program cleanly on SIGINT, SIGTERM and SIGHUP: the handler only writes the signal's
// number into a pipe; the event loop then closes `window` (so its closing steps save the settings)
// and quits. One instance at a time; the previous handlers return when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QWidget* window, QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool installed() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QPointer<QWidget> m_window;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace Lecterna
