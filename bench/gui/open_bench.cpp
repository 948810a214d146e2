// The whole road from opening a DOS text book to its first painted page, through the program's
// own window pieces built offscreen at full-HD size: settings at their defaults, the main window
// and the reading controller. The book is opened as the Open command opens it (the Text template:
// DOS encoding, paragraph recognition, word wrap and justification) and the first page is
// grabbed. Each stage is timed by the progress caption the reader shows for it; `fmt -w 80` on
// the same file is timed in the same run as the yardstick.
//
//   open_bench FILE      (QT_QPA_PLATFORM=offscreen; under /usr/bin/time -f %M for peak memory)
#include "../BenchTools.h"

#include "app/IniFile.h"
#include "app/SavedState.h"
#include "app/gui/MainWindow.h"
#include "document/CharacterMaps.h"
#include "view/gui/ReadingArea.h"
#include "view/gui/ReadingController.h"
#include "view/gui/StatusBar.h"

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QWindow>

#include <sys/stat.h>

using namespace Lecterna;
using namespace Lecterna::Bench;

namespace {

// Notes the moment each new caption of the first status panel is painted: the reader paints
// them at once, before the step they announce.
class CaptionClock : public QObject {
public:
    struct Mark {
        QString caption;
        Times at;
    };

    CaptionClock(StatusBar& bar, const Stopwatch& watch) : m_bar(bar), m_watch(watch) {
        bar.panel(StatusBar::PercentPanel)->installEventFilter(this);
    }
    const std::vector<Mark>& marks() const { return m_marks; }
    void mark(const QString& caption) { m_marks.push_back({caption, m_watch.elapsed()}); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QString caption = m_bar.panelText(StatusBar::PercentPanel);
            if (m_marks.empty() || m_marks.back().caption != caption)
                mark(caption);
        }
        return false;
    }

private:
    StatusBar& m_bar;
    const Stopwatch& m_watch;
    std::vector<Mark> m_marks;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: open_bench FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    struct stat st {};
    if (::stat(argv[1], &st) != 0) {
        std::fprintf(stderr, "open_bench: cannot read %s\n", argv[1]);
        return 1;
    }
    const double mb = megabytes(static_cast<size_t>(st.st_size));

    Stopwatch setup;
    SavedState state(SystemCodePages{866, 1251}, CharacterMaps());
    state.load(IniFile(), Settings::Environment{});
    MainWindow window;
    ReadingController controller(window, state, ".");
    window.resize(1920, 1080);
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const Times windowReady = setup.elapsed();

    Stopwatch road;
    CaptionClock clock(window.readerStatusBar(), road);
    if (!controller.openFile(path)) {
        std::fprintf(stderr, "open_bench: the book did not open\n");
        return 1;
    }
    clock.mark(QStringLiteral("(painting)"));
    const QPixmap page = controller.area().viewport()->grab();
    const Times total = road.elapsed();
    clock.mark(QStringLiteral("(end)"));

    const Reader& reader = controller.reader();
    std::printf("open: %.1f MB DOS book, %zu paragraphs, %zu lines, page %dx%d, font %s %d px\n", mb,
                reader.paragraphs().count(), reader.lines().count(), page.width(), page.height(),
                reader.view().font.name.c_str(), reader.view().font.pixelHeight);
    std::printf("  %-22s cpu %6.3f s  wall %6.3f s\n", "window (not counted)", windowReady.cpu, windowReady.wall);
    const auto& marks = clock.marks();
    for (size_t i = 0; i + 1 < marks.size(); ++i) {
        const QString name = marks[i].caption.isEmpty() ? QStringLiteral("(status)") : marks[i].caption;
        std::printf("  %-22s cpu %6.3f s  wall %6.3f s\n", qPrintable(name), marks[i + 1].at.cpu - marks[i].at.cpu,
                    marks[i + 1].at.wall - marks[i].at.wall);
    }
    std::printf("  %-22s cpu %6.3f s  wall %6.3f s  %.0f MB/s (cpu)\n", "whole road", total.cpu, total.wall,
                mb / total.cpu);

    const Times fmt = timeFmt(argv[1]);
    if (fmt.wall > 0)
        std::printf("fmt -w 80: cpu %.3f s  wall %.3f s; road / fmt = %.2f (cpu), %.2f (wall); goal < 1.0, aim 0.6\n",
                    fmt.cpu, fmt.wall, total.cpu / fmt.cpu, total.wall / fmt.wall);
    else
        std::printf("fmt -w 80: could not be run\n");
    std::printf("peak memory (getrusage): %ld MB = %.2f x the file\n", peakRssMb(),
                static_cast<double>(peakRssMb()) * 1048576.0 / static_cast<double>(st.st_size));
    return 0;
}
