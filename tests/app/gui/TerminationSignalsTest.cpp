#include "app/gui/TerminationSignals.h"
#include "app/gui/MainWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

using namespace Lecterna;

namespace {

int g_previousHandlerCalls = 0;
extern "C" void countingHandler(int) {
    ++g_previousHandlerCalls;
}

} // namespace

// First in this file: once a signal has ended the loops, no nested loop runs again in this
// process until an application loop starts, and a message box would return at once.
TEST(TerminationSignals, EndsAMessageBoxShownBeforeTheProgramsLoopAndWaitsForARunningOperation) {
    {
        // A start-up message: the box's loop must end, or the program outlives its window.
        MainWindow window;
        window.show();
        TerminationSignals handler(&window);
        ASSERT_TRUE(handler.installed());
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Ошибка"), QStringLiteral("message"));
        QTimer::singleShot(50, [] { std::raise(SIGHUP); });
        bool rescued = false; // so that a failure shows as a failure, not as a test that never ends
        QTimer::singleShot(5000, &box, [&] {
            rescued = true;
            box.reject();
        });
        box.exec();
        EXPECT_FALSE(rescued);
        EXPECT_FALSE(window.isVisible());
    }

    MainWindow window;
    window.show();
    int closings = 0;
    window.addClosingStep([&] { ++closings; });
    TerminationSignals handler(&window);
    // A long operation pumps events under the hourglass: the book must not be stored under it.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::raise(SIGTERM);
    QTest::qWait(150);
    EXPECT_EQ(closings, 0);
    EXPECT_EQ(handler.receivedSignal(), SIGTERM);
    QApplication::restoreOverrideCursor();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closings == 1; }, 2000));
}

TEST(TerminationSignals, EachSignalClosesTheWindowThroughItsClosingSteps) {
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        MainWindow window;
        window.show();
        int closings = 0;
        window.addClosingStep([&] { ++closings; });
        TerminationSignals handler(&window);
        ASSERT_TRUE(handler.installed());
        QSignalSpy received(&handler, &TerminationSignals::received);

        ASSERT_EQ(std::raise(signalNumber), 0);
        EXPECT_EQ(closings, 0) << "nothing happens inside the signal handler";
        ASSERT_TRUE(QTest::qWaitFor([&] { return closings > 0; }, 2000));
        EXPECT_EQ(received.size(), 1);
        EXPECT_EQ(received[0][0].toInt(), signalNumber);
        EXPECT_FALSE(window.isVisible());

        // A second signal while closing finds the work done.
        std::raise(signalNumber);
        QTest::qWait(20);
        EXPECT_EQ(closings, 1);
    }
}

TEST(TerminationSignals, GivesTheSignalsBackWhenDestroyed) {
    struct sigaction counting {};
    counting.sa_handler = countingHandler;
    sigemptyset(&counting.sa_mask);
    struct sigaction original {};
    sigaction(SIGHUP, &counting, &original);
    {
        TerminationSignals handler(nullptr);
        TerminationSignals second(nullptr);
        EXPECT_FALSE(second.installed()) << "one owner of the signals at a time";
    }
    std::raise(SIGHUP);
    EXPECT_EQ(g_previousHandlerCalls, 1);
    sigaction(SIGHUP, &original, nullptr);
}
