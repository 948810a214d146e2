#include "app/Clock.h"
#include "sources/gui/HtmlProgressWindow.h"
#include "view/gui/ParagraphProgressWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Lecterna;

namespace {

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<ProgressWindow>(const Clock&)> make;
    const char* caption;
};

const std::vector<WindowCase>& windows() {
    static const std::vector<WindowCase> cases = {
        {"paragraphs", [](const Clock& c) { return std::make_unique<ParagraphProgressWindow>(c); },
         "Выделение абзацев в тексте . . ."},
        {"html", [](const Clock& c) { return std::make_unique<HtmlProgressWindow>(c); },
         "Преобразование HTML в TXT . . ."},
    };
    return cases;
}

} // namespace

TEST(ProgressWindow, SkipByButtonOrEscape) {
    ManualClock clock;
    for (const WindowCase& c : windows()) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ProgressWindow> window = c.make(clock);
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("captionLabel"))->text(), QString::fromUtf8(c.caption));
        auto* skip = window->findChild<QPushButton*>(QStringLiteral("skipButton"));
        EXPECT_EQ(skip->text(), QStringLiteral("Пропустить"));
        EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);

        window->showNow();
        EXPECT_FALSE(window->skipRequested());
        skip->click();
        EXPECT_TRUE(window->skipRequested());

        // A new run starts without the old request.
        window->showNow();
        EXPECT_FALSE(window->skipRequested());
        QTest::keyClick(skip, Qt::Key_Escape);
        EXPECT_TRUE(window->skipRequested());
        window->hide();
    }
}

TEST(ProgressWindow, ProcessesEventsOnlyEveryTwentyMilliseconds) {
    ManualClock clock;
    ParagraphProgressWindow window(clock);
    window.showNow();
    window.setMaximum(120'000'000);

    // The reader presses "Пропустить" while the scan runs; the press waits in the event queue.
    QTimer::singleShot(0, &window, [&] { window.findChild<QPushButton*>(QStringLiteral("skipButton"))->click(); });
    window.setPosition(60'000'000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_FALSE(window.skipRequested()) << "events processed at call " << i;
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    EXPECT_EQ(bar->value(), 0) << "the bar moves only when events are processed";

    clock.advanceMs(ProgressWindow::PumpIntervalMs);
    int calls = 1;
    while (!window.skipRequested() && calls <= ProgressWindow::CallsPerClockRead)
        ++calls;
    EXPECT_LE(calls, ProgressWindow::CallsPerClockRead) << "the time passed is noticed soon";
    EXPECT_EQ(bar->value(), (bar->maximum() - bar->minimum()) / 2) << "positions beyond int scale down";
}

TEST(ProgressWindow, PositionsOutsideTheRangeStayOnTheBar) {
    ManualClock clock;
    HtmlProgressWindow window(clock);
    window.showNow();
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("progressBar"));

    const auto pump = [&] {
        clock.advanceMs(ProgressWindow::PumpIntervalMs);
        for (int i = 0; i < ProgressWindow::CallsPerClockRead; ++i)
            window.skipRequested();
    };
    window.setMaximum(0); // an empty text
    window.setPosition(0);
    pump();
    EXPECT_EQ(bar->value(), bar->maximum());

    window.setMaximum(10);
    window.setPosition(25);
    pump();
    EXPECT_EQ(bar->value(), bar->maximum());
}
