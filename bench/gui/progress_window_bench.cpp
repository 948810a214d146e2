// How much the progress window costs a long text operation that asks skipRequested() at every
// space: one call per word of a 120 MB book is about 20 million calls.
#include "app/ProgressSink.h"
#include "view/gui/ParagraphProgressWindow.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace Lecterna;

namespace {

constexpr size_t kCalls = 20'000'000;

// Through a reference the compiler cannot see into, as the text operations call it.
[[gnu::noinline]] double secondsFor(ProgressSink& sink) {
    const auto start = std::chrono::steady_clock::now();
    size_t skips = 0;
    sink.setMaximum(kCalls);
    for (size_t i = 0; i < kCalls; ++i) {
        sink.setPosition(i);
        skips += sink.skipRequested();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (skips != 0)
        std::printf("unexpected skip\n");
    return elapsed.count();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);

    // Best of several alternating runs, so that warming up and a busy machine favour neither side.
    NullProgress none;
    ParagraphProgressWindow window;
    window.showNow();
    double bare = 1e9;
    double shown = 1e9;
    for (int round = 0; round < 5; ++round) {
        bare = std::min(bare, secondsFor(none));
        shown = std::min(shown, secondsFor(window));
    }

    std::printf("progress window: %zu skipRequested() calls\n", kCalls);
    std::printf("  without a window  %8.3f s  %6.2f ns/call\n", bare, bare * 1e9 / kCalls);
    std::printf("  with the window   %8.3f s  %6.2f ns/call\n", shown, shown * 1e9 / kCalls);
    std::printf("  extra per call    %6.2f ns (ratio %.1f)\n", (shown - bare) * 1e9 / kCalls, shown / bare);
    return 0;
}
