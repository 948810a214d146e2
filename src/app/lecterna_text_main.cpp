// lecterna-text: the reader's text pipeline on the command line. Prints the paragraphs of a book
// as the reader would build them, one per line in UTF-8, or with --bench the time of each step.
#include "app/PipelineSettings.h"
#include "app/ProcessFolders.h"
#include "app/ProgressSink.h"
#include "app/Settings.h"
#include "app/SettingsLocation.h"
#include "app/IniFile.h"
#include "document/Book.h"
#include "document/CharacterMaps.h"
#include "document/CodePage.h"
#include "document/FileTypes.h"
#include "document/OpeningView.h"
#include "document/ParagraphList.h"
#include "document/ParamTemplates.h"
#include "document/TextPipeline.h"
#include "document/WholeFile.h"
#include "view/ByteMetrics.h"
#include "view/LineLayout.h"
#include "view/LineList.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

using namespace Lecterna;

namespace {

constexpr const char* kUsage =
    "usage: lecterna-text [--encoding N] [--type text|html|other] [--paragraphs|--no-paragraphs]\n"
    "                     [--all-symbols|--no-all-symbols] [--wrap-chars N] [--bench] FILE\n";

struct Options {
    std::string file;
    FileType type = FileType::Text;
    std::optional<int> encoding;
    std::optional<bool> paragraphs;
    std::optional<bool> allSymbols;
    std::optional<int> wrapChars;
    bool bench = false;
};

std::optional<Options> parseArguments(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--encoding" && i + 1 < argc) {
            char* end = nullptr;
            const long v = std::strtol(argv[++i], &end, 10);
            if (!end || *end != '\0')
                return std::nullopt;
            o.encoding = static_cast<int>(v);
        } else if (a == "--type" && i + 1 < argc) {
            const std::string_view t = argv[++i];
            if (t == "text")
                o.type = FileType::Text;
            else if (t == "html")
                o.type = FileType::Html;
            else if (t == "other")
                o.type = FileType::Other;
            else
                return std::nullopt;
        } else if (a == "--paragraphs") {
            o.paragraphs = true;
        } else if (a == "--no-paragraphs") {
            o.paragraphs = false;
        } else if (a == "--all-symbols") {
            o.allSymbols = true;
        } else if (a == "--no-all-symbols") {
            o.allSymbols = false;
        } else if (a == "--wrap-chars" && i + 1 < argc) {
            char* end = nullptr;
            const long v = std::strtol(argv[++i], &end, 10);
            if (!end || *end != '\0' || v < 1 || v > 100000)
                return std::nullopt;
            o.wrapChars = static_cast<int>(v);
        } else if (a == "--bench") {
            o.bench = true;
        } else if (!a.starts_with("--") && o.file.empty()) {
            o.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (o.file.empty())
        return std::nullopt;
    return o;
}

const char* stageName(RecodeStage stage) {
    switch (stage) {
    case RecodeStage::Decoding: return "decoding";
    case RecodeStage::FirstLineIndent: return "first-line-tabs";
    case RecodeStage::Html: return "html";
    case RecodeStage::SymbolHiding: return "symbol-hiding";
    case RecodeStage::Paragraphs: return "paragraphs";
    case RecodeStage::Splitting: return "splitting";
    }
    return "?";
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of this process: on a machine shared with other work the wall clock says more
// about the neighbours than about us.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Prints one line per step: its name, wall seconds and megabytes of the book per second, then
// the same by processor time.
class BenchObserver final : public RecodeObserver {
public:
    explicit BenchObserver(size_t bytes) : m_bytes(bytes) {}
    ProgressSink& stageStarted(RecodeStage) override {
        m_start = Clock::now();
        m_cpuStart = cpuSeconds();
        return m_progress;
    }
    void stageFinished(RecodeStage stage) override {
        report(stageName(stage), secondsSince(m_start), cpuSeconds() - m_cpuStart);
    }
    void report(const char* name, double seconds, double cpu) const {
        const double mb = static_cast<double>(m_bytes) / 1e6;
        std::printf("%-16s %9.4f s %10.1f MB/s %9.4f cpu-s %10.1f cpu-MB/s\n", name, seconds,
                    seconds > 0 ? mb / seconds : 0.0, cpu, cpu > 0 ? mb / cpu : 0.0);
    }

private:
    size_t m_bytes;
    Clock::time_point m_start;
    double m_cpuStart = 0;
    NullProgress m_progress;
};

// Lines laid out with the reader's wrap rule in a fixed-pitch measure: every byte 10 pixels wide,
// tab stops every 80 pixels, a wrap width of 10 x `chars` pixels.
LineList wrappedLines(const ParagraphList& paragraphs, int chars) {
    LineList lines;
    LineLayout(ByteMetrics::fixedPitch(10, 80)).layOut(paragraphs, true, 10 * chars, lines);
    return lines;
}

// Each line (paragraph or display line) as UTF-8 from the display code page; control bytes, TAB
// included, go out as they are.
template <typename LineAt>
void printLines(size_t count, LineAt lineAt, int codePage) {
    const CodePage page(codePage);
    std::string out;
    out.reserve(1 << 20);
    for (size_t i = 0; i < count; ++i) {
        page.appendUtf8(lineAt(i), out);
        out.push_back('\n');
        if (out.size() >= (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// The settings the pipeline reads, from the program's own settings store (Lecterna.ini beside the
// executable, or the per-user store it names), as the reader would use them.
TextSettings textSettingsOfProgram(const std::string& exeDir) {
    SettingsLocation location = SettingsLocation::fromEnvironment(exeDir);
    Settings settings;
    settings.load(*location.openSettingsForRead(), Settings::Environment{});
    return pipelineSettings(settings);
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> parsed = parseArguments(argc, argv);
    if (!parsed) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const Options& options = *parsed;
    const Clock::time_point started = Clock::now();
    const TextSettings settings = textSettingsOfProgram(executableDir());

    CharacterMaps maps;
    if (std::optional<std::string> cmt = readWholeFile(executableDir() + "Lecterna.cmt"))
        maps = CharacterMaps::load(readCmtSections(*cmt));
    for (const std::string& error : maps.errors())
        std::fprintf(stderr, "%s\n", error.c_str());
    TextPipeline pipeline(SystemCodePages::fromEnvironment(), std::move(maps));

    const Clock::time_point readStart = Clock::now();
    const double readCpuStart = cpuSeconds();
    const std::optional<std::string> document = readWholeFile(options.file);
    if (!document) {
        std::fprintf(stderr, "Файл %s не может быть открыт\n", std::string(fileNameOf(options.file)).c_str());
        return 1;
    }
    const double readSeconds = secondsSince(readStart);
    const double readCpu = cpuSeconds() - readCpuStart;

    // A new book of its type: the template's switches as shipped, unless the options say otherwise.
    const ParamTemplates templates(false, settings.cooperation, settings.useTextWithLayoutConverter);
    const TParamTemplate& templ = templates.forFileType(options.type, settings.cooperation);
    TBook book;
    book.fileName = options.file;
    book.fileType = options.type;
    RecodeRequest request;
    request.fileType = options.type;
    request.encoding = options.encoding.value_or(defaultEncoding(book, templ, false));
    if (pipeline.menu().validate(request.encoding) != request.encoding) {
        std::fprintf(stderr, "lecterna-text: no encoding %d, using 0\n", request.encoding);
        request.encoding = 0;
    }
    request.paragraphSearch = options.paragraphs.value_or(templ.values().paragraphSearchOn);
    request.viewAllSymbols = options.allSymbols.value_or(templ.values().viewAllSymbolsOn);

    BenchObserver bench(document->size());
    NullRecodeObserver quiet;
    if (options.bench)
        bench.report("read", readSeconds, readCpu);
    ParagraphList paragraphs;
    const RecodeResult result = pipeline.recode(*document, request, settings, paragraphs,
                                                options.bench ? static_cast<RecodeObserver&>(bench) : quiet);
    if (!result.decodingError.empty())
        std::fprintf(stderr, "%s\n", result.decodingError.c_str());

    std::optional<LineList> lines;
    if (options.wrapChars) {
        const Clock::time_point layoutStart = Clock::now();
        const double layoutCpuStart = cpuSeconds();
        lines = wrappedLines(paragraphs, *options.wrapChars);
        if (options.bench)
            bench.report("layout", secondsSince(layoutStart), cpuSeconds() - layoutCpuStart);
    }

    if (options.bench) {
        bench.report("total", secondsSince(started), cpuSeconds());
        std::printf("%-16s %9zu\n", "paragraph-count", paragraphs.count());
        if (lines)
            std::printf("%-16s %9zu\n", "line-count", lines->count());
        return 0;
    }
    if (lines)
        printLines(lines->count(), [&](size_t i) { return lines->line(i); }, result.displayCodePage);
    else
        printLines(paragraphs.count(), [&](size_t i) { return paragraphs.paragraph(i); }, result.displayCodePage);
    return std::ferror(stdout) ? 1 : 0;
}
