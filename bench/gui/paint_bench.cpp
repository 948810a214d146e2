// Repaint cost of the reading area: a 1920 x 1080 page of justified Cyrillic text, painted
// through the widget's own painting path into an image, while paging through a thousand pages of
// a book and while scrolling line by line. Prints the median and the 95th percentile per repaint.
//
//   paint_bench FILE      (a DOS (CP866) book; run with QT_QPA_PLATFORM=offscreen)
//
// The book's paragraphs are built by the reader's text pipeline (DOS encoding, paragraph
// recognition) and the whole book is laid out at the page width.
#include "../BenchTools.h"

#include "document/CharacterMaps.h"
#include "document/CodePage.h"
#include "document/ParagraphList.h"
#include "document/TextPipeline.h"
#include "view/LineLayout.h"
#include "view/gui/ReadingArea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace Lecterna;

namespace {

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Percentiles {
    double median = 0;
    double p95 = 0;
};

Percentiles percentiles(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 95 / 100)]};
}

// Wall-clock time includes the moments the scheduler gives the core to another process (they
// show as steps of a few milliseconds on a busy machine); the thread's CPU time does not.
struct Figures {
    Percentiles wall;
    Percentiles cpu;
};

// Repaints the whole viewport after each step and times every repaint.
template <typename Step> Figures measure(ReadingArea& area, int steps, Step step) {
    QImage target(area.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> wall, cpu;
    QElapsedTimer timer;
    for (int i = 0; i < steps; ++i) {
        step(i);
        timer.start();
        const double cpuStart = threadCpuMs();
        QPainter p(&target);
        area.paintContents(p, target.rect());
        p.end();
        cpu.push_back(threadCpuMs() - cpuStart);
        wall.push_back(timer.nsecsElapsed() / 1e6);
    }
    return {percentiles(wall), percentiles(cpu)};
}

void report(const char* what, const Figures& f) {
    std::printf("%-32s wall median %6.3f p95 %6.3f ms | cpu median %6.3f p95 %6.3f ms\n", what, f.wall.median,
                f.wall.p95, f.cpu.median, f.cpu.p95);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: paint_bench FILE\n");
        return 2;
    }
    ParagraphList text;
    {
        const std::string raw = Bench::readFile(argv[1]);
        if (raw.empty()) {
            std::fprintf(stderr, "paint_bench: cannot read %s\n", argv[1]);
            return 1;
        }
        TextPipeline pipeline(SystemCodePages{866, 1251}, CharacterMaps());
        RecodeRequest request;
        request.encoding = EncodingMenu::kDos;
        request.fileType = FileType::Text;
        request.paragraphSearch = true;
        NullRecodeObserver quiet;
        pipeline.recode(raw, request, TextSettings{}, text, quiet);
    }

    ReadingArea area;
    area.resize(1920, 1080);
    area.show();
    const DisplayTable table = DisplayTable::forCodePage(CodePage(866), false);
    area.setReadingFont(QtByteMetrics::create({QStringLiteral("Times New Roman"), 20, false}, table, 0));
    area.setRowHeight(area.readingFont().metrics().textHeight * 3 / 2);
    area.setJustification(true);

    const int rowsPerPage = area.visibleRowCount();
    const int wrapWidth = area.viewport()->width() - area.leftMargin() - area.rightMargin();
    LineList lines;
    lines.assign(&text.buffer(), LineLayout(area.readingFont().metrics()).wrappedSpans(text, wrapWidth));
    area.setLines(&lines, 0, static_cast<int>(std::min<size_t>(lines.count(), INT32_MAX)));
    const int pages = std::min(1000, static_cast<int>(lines.count()) / rowsPerPage - 1);
    if (pages < 20) {
        std::fprintf(stderr, "paint_bench: the book is too short\n");
        return 1;
    }
    std::printf("%zu lines, paging %d pages of %d rows at 1920 x 1080\n", lines.count(), pages, rowsPerPage);

    measure(area, 20, [&](int i) { area.setTopRow(i * rowsPerPage); }); // warm the glyph cache

    const Figures paging = measure(area, pages, [&](int i) { area.setTopRow(i * rowsPerPage); });
    report("justified, paging", paging);
    const Figures scrolling = measure(area, 1000, [&](int i) { area.setTopRow(rowsPerPage * pages / 2 + i); });
    report("justified, one-line scrolls", scrolling);

    area.setJustification(false);
    const Figures plain = measure(area, pages, [&](int i) { area.setTopRow(i * rowsPerPage); });
    report("plain, paging", plain);
    std::printf("justified / plain (cpu median): %.2f\n", paging.cpu.median / plain.cpu.median);

    area.setJustification(true);
    area.setFontSmoothing(false);
    const Figures mono = measure(area, 300, [&](int i) { area.setTopRow(i * rowsPerPage); });
    report("justified, unsmoothed, paging", mono);
    std::printf("budget 5 ms a full-screen repaint: justified paging cpu p95 is %.0f%% of it\n",
                paging.cpu.p95 / 5.0 * 100);
    return 0;
}
