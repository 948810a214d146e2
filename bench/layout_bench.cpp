// Line layout speed on a large book, and against `fmt -w 80` on the same file.
//
//   layout_bench [FILE]
//
// FILE is an 8-bit (CP1251) text with hard-wrapped lines; they are joined into paragraphs the
// simple way (a blank or indented line starts a new one). Without FILE a synthetic book of
// 64 MB is made, one paragraph per ~600 bytes. The book is laid out at 800 px with a
// proportional font (bytes 5 to 12 px with fractions, spaces 4 px), then once more as a single
// paragraph with no line breaks at all.
#include "document/ParagraphList.h"
#include "view/LineLayout.h"
#include "view/LineList.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern char** environ;

using namespace Lecterna;
using Clock = std::chrono::steady_clock;

namespace {

ByteMetrics proportionalFont() {
    ByteMetrics m;
    for (int c = 0; c < 256; ++c)
        m.advance[c] = 5 * 64 + (c * 37 + 11) % (7 * 64 + 1); // 5 to 12 px, with fractions
    m.advance[' '] = 4 * 64;
    m.advance['\r'] = m.advance['\n'] = 0;
    m.tabStop = 32 * 64;
    return m;
}

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Rejoins hard-wrapped lines: a line continues the paragraph unless it is empty or starts with a
// blank (an indented first line, a verse, an attribution).
std::string joinLines(const std::string& raw) {
    std::string out;
    out.reserve(raw.size());
    size_t pos = 0;
    bool open = false;
    while (pos < raw.size()) {
        size_t end = raw.find('\n', pos);
        if (end == std::string::npos)
            end = raw.size();
        size_t stop = end;
        if (stop > pos && raw[stop - 1] == '\r')
            --stop;
        const bool empty = stop == pos;
        const bool indented = !empty && (raw[pos] == ' ' || raw[pos] == '\t');
        if (open && (empty || indented))
            out += '\n';
        else if (open)
            out += ' ';
        out.append(raw, pos, stop - pos);
        open = !empty;
        if (empty)
            out += '\n';
        pos = end + 1;
    }
    return out;
}

std::string syntheticBook(size_t bytes) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> letter(0xE0, 0xFF); // CP1251 lower-case Cyrillic
    std::uniform_int_distribution<int> wordLength(1, 12);
    std::string text;
    text.reserve(bytes + 700);
    while (text.size() < bytes) {
        const size_t start = text.size();
        text += '\t';
        while (text.size() - start < 600) {
            for (int i = wordLength(rng); i > 0; --i)
                text += static_cast<char>(letter(rng));
            text += (rng() % 9 == 0) ? ", " : " ";
        }
        text += ".\r\n";
    }
    return text;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Best of three: the machine is shared, the fastest run is the least disturbed.
template <class F> double bestOfThree(F&& run) {
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = Clock::now();
        run();
        best = std::min(best, seconds(Clock::now() - t0));
    }
    return best;
}

// Runs `fmt -w 80 FILE > /dev/null` in the C locale, arguments as a list; wall seconds or -1.
double timeFmt(const char* path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::string(*e).rfind("LC_", 0) != 0 && std::string(*e).rfind("LANG", 0) != 0)
            env.emplace_back(*e);
    }
    env.emplace_back("LC_ALL=C");
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string prog = "fmt", w = "-w", n = "80", file = path;
    char* argv[] = {prog.data(), w.data(), n.data(), file.data(), nullptr};

    double best = -1;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = Clock::now();
        pid_t pid;
        if (posix_spawnp(&pid, "fmt", &actions, nullptr, argv, envp.data()) != 0)
            break;
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            break;
        const double t = seconds(Clock::now() - t0);
        best = best < 0 ? t : std::min(best, t);
    }
    posix_spawn_file_actions_destroy(&actions);
    return best;
}

long peakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : nullptr;
    std::string raw = path ? readFile(path) : syntheticBook(64u << 20);
    if (raw.empty()) {
        std::fprintf(stderr, "layout_bench: nothing to read in %s\n", path ? path : "(synthetic)");
        return 1;
    }
    const double mb = static_cast<double>(raw.size()) / (1 << 20);
    const ByteMetrics metrics = proportionalFont();
    constexpr int kWidth = 800;

    ParagraphList paragraphs;
    paragraphs.setTextKeepingNul(path ? joinLines(raw) : raw);
    LineLayout layout(metrics);
    LineList lines;
    const double wrapped = bestOfThree([&] { layout.layOut(paragraphs, true, kWidth, lines); });
    std::printf("layout: %.1f MB, %zu paragraphs -> %zu lines at %d px: %.3f s, %.0f MB/s\n", mb, paragraphs.count(),
                lines.count(), kWidth, wrapped, mb / wrapped);

    // The same bytes with no line breaks at all: one paragraph of the whole book.
    std::string flat = paragraphs.takeBuffer();
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    std::replace(flat.begin(), flat.end(), '\r', ' ');
    lines.clear();
    ParagraphList one;
    one.setTextKeepingNul(std::move(flat));
    const double single = bestOfThree([&] { layout.layOut(one, true, kWidth, lines); });
    std::printf("layout: one paragraph of %.1f MB -> %zu lines: %.3f s, %.0f MB/s; peak memory %ld MB\n", mb,
                lines.count(), single, mb / single, peakRssMb());

    if (path) {
        const double fmt = timeFmt(path);
        if (fmt > 0)
            std::printf("fmt -w 80: %.3f s, %.0f MB/s; our layout is %.1fx as fast\n", fmt, mb / fmt, fmt / wrapped);
        else
            std::printf("fmt -w 80: could not be run\n");
    }
    return 0;
}
