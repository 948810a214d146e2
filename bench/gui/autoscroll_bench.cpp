// Autoscroll against the clock: each of the four types runs for about three seconds of real time
// on a reading area full of justified text (offscreen), driven by the real timer, and prints the
// lines it moved against the lines its schedule asks for in that time, with the repaints it cost.
//
//   autoscroll_bench [text file in CP866] [delay ms, default 3]   (run with QT_QPA_PLATFORM=offscreen)
#include "app/Clock.h"
#include "document/CodePage.h"
#include "document/ParagraphList.h"
#include "view/Autoscroll.h"
#include "view/LineLayout.h"
#include "view/gui/AutoscrollAdapter.h"
#include "view/gui/AutoscrollTimer.h"
#include "view/gui/ReadingArea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace Lecterna;

namespace {

constexpr int kRunMs = 3000;

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Lines the schedule has moved after `ms`: one per delay x row height, and for the page type a
// screen of rows and the dimming per page (ViewLastLine off, so a page moves a whole screen).
int64_t scheduled(ScrollType type, int64_t ms, int delay, int row, int visible) {
    const int64_t line = int64_t(delay) * row;
    if (type != ScrollType::Page)
        return ms / line;
    const int64_t page = visible * line + Autoscroll::kDimMs;
    const int64_t pages = ms / page;
    return pages * visible + std::min<int64_t>(visible, (ms - pages * page) / line);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::filesystem::path fixture =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::path(__FILE__).parent_path() / "../../tests/data/cyrillic-cp866.txt";
    const int delay = argc > 2 ? std::atoi(argv[2]) : 3;
    QFile file(QString::fromStdString(fixture.string()));
    if (!file.open(QIODevice::ReadOnly) || delay < 1) {
        std::fprintf(stderr, "autoscroll_bench: cannot read %s (or the delay is not positive)\n", fixture.c_str());
        return 1;
    }
    const QByteArray sample = file.readAll();

    ReadingArea area;
    area.setFrameShape(QFrame::NoFrame);
    const DisplayTable table = DisplayTable::forCodePage(CodePage(866), false);
    area.setReadingFont(QtByteMetrics::create({QStringLiteral("Times New Roman"), 20, false}, table, 0));
    const int row = area.readingFont().metrics().textHeight * 3 / 2;
    area.setRowHeight(row);
    area.setJustification(true);
    // Whole rows only, so that every type moves a whole line per delay x row height.
    area.resize(1280, 800);
    area.show();
    const int visible = area.viewport()->height() / row;
    area.resize(area.width(), area.height() - (area.viewport()->height() - visible * row));

    // Enough wrapped text for the fastest run.
    const int wrapWidth = area.viewport()->width() - area.leftMargin() - area.rightMargin();
    const size_t needed = size_t(kRunMs / delay / row + 4 * visible);
    std::string book;
    ParagraphList text;
    LineList lines;
    while (lines.count() < needed) {
        for (int i = 0; i < 20; ++i)
            book.append(sample.constData(), static_cast<size_t>(sample.size()));
        text.setTextKeepingNul(book);
        lines.assign(&text.buffer(), LineLayout(area.readingFont().metrics()).wrappedSpans(text, wrapWidth));
    }
    area.setLines(&lines, 0, static_cast<int>(lines.count()));
    std::printf("%zu lines, %d rows of %d px at %d x %d, delay %d ms: one line every %d ms, %.1f lines/s\n",
                lines.count(), visible, row, area.viewport()->width(), area.viewport()->height(), delay, delay * row,
                1000.0 / (delay * row));

    PaintCounter counter;
    area.viewport()->installEventFilter(&counter);
    const char* names[] = {"page", "line", "smooth", "wave"};
    for (ScrollType type : {ScrollType::Page, ScrollType::Line, ScrollType::Smooth, ScrollType::Wave}) {
        area.setTopRow(0);
        app.processEvents();
        AutoscrollAdapter adapter(area);
        Autoscroll engine(adapter, SystemClock::instance());
        AutoscrollTimer timer(engine, SystemClock::instance());
        engine.setOptions({type, false, false});
        engine.setDelay(delay);
        counter.paints = 0;

        QEventLoop loop;
        QTimer::singleShot(kRunMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        engine.start(ScrollDirection::Forwards);
        loop.exec();
        const int64_t elapsed = clock.elapsed();
        // Lines moved: the run's current line; the wave counts the rows it has swept.
        const int64_t moved =
            type == ScrollType::Wave ? adapter.wave().newTop - visible + adapter.wave().newTo : engine.currentLine();
        engine.stop();

        const int64_t expected = scheduled(type, elapsed, delay, row, visible);
        std::printf("%-7s %5lld ms: %4lld lines (%6.2f/s), schedule %4lld, ratio %.3f | %5.0f repaints/s\n",
                    names[int(type)], static_cast<long long>(elapsed), static_cast<long long>(moved),
                    moved * 1000.0 / elapsed, static_cast<long long>(expected),
                    expected ? double(moved) / double(expected) : 0.0, counter.paints * 1000.0 / elapsed);
    }
    return 0;
}
