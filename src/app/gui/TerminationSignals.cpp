#include "app/gui/TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Lecterna {

namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

int g_pipe[2] = {-1, -1};
struct sigaction g_previous[kSignals.size()];

extern "C" void onTerminationSignal(int signalNumber) {
    // Only async-signal-safe work here: one byte into the pipe.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QWidget* window, QObject* parent) : QObject(parent), m_window(window) {
    if (g_pipe[0] != -1 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("Termination signals are not handled: %s", g_pipe[0] != -1 ? "already installed" : strerror(errno));
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    m_retry.setInterval(50);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &TerminationSignals::closeWhenIdle);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &g_previous[i]);
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier)
        return;
    for (size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::readPipe() {
    unsigned char bytes[16];
    int last = 0;
    for (ssize_t n; (n = ::read(g_pipe[0], bytes, sizeof bytes)) > 0;)
        last = bytes[n - 1];
    if (last == 0)
        return;
    if (m_received == 0)
        m_received = last;
    emit received(last);
    closeWhenIdle();
}

void TerminationSignals::closeWhenIdle() {
    if (QApplication::overrideCursor()) {
        // An operation is running and pumping events; try again when it may have ended.
        m_retry.start();
        return;
    }
    // Closing runs the window's closing steps once; a second signal finds it closed already.
    if (m_window)
        m_window->close();
    // Every running loop ends, a message box's too: quit() would leave a box shown at start-up
    // (before the main loop runs) waiting for a user who has logged out.
    QCoreApplication::exit(0);
}

} // namespace Lecterna
