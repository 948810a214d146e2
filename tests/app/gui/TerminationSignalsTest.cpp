#include "app/gui/TerminationSignals.h"
#include "app/gui/MainWindow.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

using namespace Lecterna;

namespace {

int g_previousHandlerCalls = 0;
extern "C" void countingHandler(int) {
    ++g_previousHandlerCalls;
}

} // namespace

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
