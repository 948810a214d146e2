// lecterna-text: the reader's text pipeline on the command line. Prints the paragraphs of a book
// as the reader would build them, one per line in UTF-8, or with --bench the time of each step.
#include "app/ProgressSink.h"
#include "document/Book.h"
#include "document/CharacterMaps.h"
#include "document/CodePage.h"
#include "document/OpeningView.h"
#include "document/ParagraphList.h"
#include "document/ParamTemplates.h"
#include "document/TextPipeline.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace Lecterna;

namespace {

constexpr const char* kUsage =
    "usage: lecterna-text [--encoding N] [--type text|html|other] [--paragraphs|--no-paragraphs]\n"
    "                     [--all-symbols|--no-all-symbols] [--bench] FILE\n";

struct Options {
    std::string file;
    FileType type = FileType::Text;
    std::optional<int> encoding;
    std::optional<bool> paragraphs;
    std::optional<bool> allSymbols;
    bool bench = false;
    // TxtParam and HtmlParam as a new installation has them.
    TextSettings settings;
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

// The whole file in one read, as the reader loads a book.
std::optional<std::string> readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::string bytes;
    bool ok = ::fstat(fd, &st) == 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t r = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                break;
            done += static_cast<size_t>(r);
        }
        bytes.resize(done); // a file that shrank while being read gives what was there
    }
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return bytes;
}

// The folder of the real executable (symbolic links resolved), with a trailing '/'.
std::string executableDir() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return "./";
    std::string path(buf, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

std::string baseName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
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

// Paragraphs one per line, each byte turned from the display code page into UTF-8; control
// bytes, TAB included, go out as they are.
void printParagraphs(const ParagraphList& paragraphs, int codePage) {
    const CodePage page(codePage);
    std::string out;
    out.reserve(1 << 20);
    for (size_t i = 0; i < paragraphs.count(); ++i) {
        page.appendUtf8(paragraphs.paragraph(i), out);
        out.push_back('\n');
        if (out.size() >= (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
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
        std::fprintf(stderr, "Файл %s не может быть открыт\n", baseName(options.file).c_str());
        return 1;
    }
    const double readSeconds = secondsSince(readStart);
    const double readCpu = cpuSeconds() - readCpuStart;

    // A new book of its type: the template's switches as shipped, unless the options say otherwise.
    const ParamTemplates templates(false, options.settings.cooperation, options.settings.useTextWithLayoutConverter);
    const TParamTemplate& templ = templates.forFileType(options.type, options.settings.cooperation);
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
    const RecodeResult result = pipeline.recode(*document, request, options.settings, paragraphs,
                                                options.bench ? static_cast<RecodeObserver&>(bench) : quiet);
    if (!result.decodingError.empty())
        std::fprintf(stderr, "%s\n", result.decodingError.c_str());

    // Line layout (--wrap-chars) slots in here, between the paragraphs and the output.

    if (options.bench) {
        bench.report("total", secondsSince(started), cpuSeconds());
        std::printf("%-16s %9zu\n", "paragraph-count", paragraphs.count());
        return 0;
    }
    printParagraphs(paragraphs, result.displayCodePage);
    return std::ferror(stdout) ? 1 : 0;
}
