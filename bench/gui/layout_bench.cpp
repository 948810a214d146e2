// Word-wrapped line layout of a large book in a proportional font measured by Qt (Arial, or the
// metric-compatible font the system substitutes), and `fmt -w 80` on the same file in the same run.
//
//   layout_bench FILE        (a CP1251 book; run with QT_QPA_PLATFORM=offscreen)
//
// The paragraphs are built by the reader's own text pipeline (Windows encoding, paragraph
// recognition) and laid out at 800 px, then once more as a single paragraph with no line breaks.
#include "../BenchTools.h"

#include "document/CharacterMaps.h"
#include "document/CodePage.h"
#include "document/ParagraphList.h"
#include "document/TextPipeline.h"
#include "view/LineLayout.h"
#include "view/LineList.h"
#include "view/gui/DisplayTable.h"
#include "view/gui/QtByteMetrics.h"

#include <QFontInfo>
#include <QGuiApplication>

using namespace Lecterna;
using namespace Lecterna::Bench;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: layout_bench FILE\n");
        return 2;
    }
    const char* path = argv[1];
    ParagraphList paragraphs;
    size_t fileSize = 0;
    {
        const std::string raw = readFile(path);
        fileSize = raw.size();
        if (raw.empty()) {
            std::fprintf(stderr, "layout_bench: nothing to read in %s\n", path);
            return 1;
        }
        TextPipeline pipeline(SystemCodePages{866, 1251}, CharacterMaps());
        RecodeRequest request;
        request.encoding = EncodingMenu::kWindows;
        request.fileType = FileType::Text;
        request.paragraphSearch = true;
        NullRecodeObserver quiet;
        pipeline.recode(raw, request, TextSettings{}, paragraphs, quiet);
    }
    const double mb = megabytes(fileSize);

    const QtByteMetrics font = QtByteMetrics::create({QStringLiteral("Arial"), 16, false},
                                                     DisplayTable::forCodePage(CodePage(1251), false), 0);
    constexpr int kWidth = 800;
    LineLayout layout(font.metrics());
    LineList lines;
    const Times wrapped = bestOf(3, [&] { layout.layOut(paragraphs, true, kWidth, lines); });
    std::printf("layout: %.1f MB, %zu paragraphs -> %zu lines at %d px in %s %d px\n", mb, paragraphs.count(),
                lines.count(), kWidth, qPrintable(QFontInfo(font.font()).family()), font.fontSpec().pixelSize);
    std::printf("layout: cpu %.3f s %.0f MB/s | wall %.3f s %.0f MB/s\n", wrapped.cpu, mb / wrapped.cpu, wrapped.wall,
                mb / wrapped.wall);

    const Times fmt = timeFmt(path);
    if (fmt.wall > 0)
        std::printf("fmt -w 80: cpu %.3f s %.0f MB/s | wall %.3f s; layout / fmt = %.2f (cpu), %.2f (wall)\n", fmt.cpu,
                    mb / fmt.cpu, fmt.wall, wrapped.cpu / fmt.cpu, wrapped.wall / fmt.wall);
    else
        std::printf("fmt -w 80: could not be run\n");

    // The same bytes with no line breaks at all: one paragraph of the whole book.
    std::string flat = paragraphs.takeBuffer();
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    std::replace(flat.begin(), flat.end(), '\r', ' ');
    lines.clear();
    ParagraphList one;
    one.setTextKeepingNul(std::move(flat));
    const Times single = bestOf(3, [&] { layout.layOut(one, true, kWidth, lines); });
    std::printf("layout: one paragraph of %.1f MB -> %zu lines: cpu %.3f s %.0f MB/s; peak memory %ld MB\n", mb,
                lines.count(), single.cpu, mb / single.cpu, peakRssMb());
    return 0;
}
