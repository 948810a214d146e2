// The largest history the settings allow (32736 books, ten bookmarks each) saved to the settings
// file on disk and read back from it, as the program does at close and at start, plus the
// per-opening costs that grow with the history: the look-up of the book and storing it back at
// the front.

#include "app/IniFile.h"
#include "document/HistoryList.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <stdlib.h>
#include <sys/stat.h>

using namespace Lecterna;

namespace {

constexpr int kEntries = 32736;
constexpr int kBookmarks = 10;
constexpr int kOpenings = 1000;

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

HistoryList fullHistory() {
    HistoryList h;
    for (int i = 0; i < kEntries; ++i) {
        TBookParam p;
        p.fileType = FileType::Text;
        p.description = "Описание книги номер " + std::to_string(i);
        p.position = i * 37;
        p.readingInterval = i;
        p.fontName = "Liberation Serif";
        p.archiveDir = "";
        p.wasDone = "45,20 %";
        for (int k = 0; k < kBookmarks; ++k)
            p.bookmarks.add("Глава " + std::to_string(k) + ": начало главы, первая строка", k * 1000);
        h.append("/home/reader/Книги/Автор " + std::to_string(i % 97) + "/Книга " + std::to_string(i) + ".txt",
                 std::move(p));
    }
    return h;
}

struct Figures {
    double saveMs = 0;  // the history into the store's memory
    double flushMs = 0; // the file written and synced
    double loadMs = 0;  // the file read and parsed
    double readMs = 0;  // the history taken from the parsed file
    int loaded = 0;
    long long bytes = 0;
    bool ok = true;
    double saving() const { return saveMs + flushMs; }
    double loading() const { return loadMs + readMs; }
};

Figures saveAndLoad(const std::string& path, const HistoryList& history) {
    Figures f;
    {
        IniFile out(path);
        auto t = Clock::now();
        history.saveHistory(out);
        f.saveMs = msSince(t);
        t = Clock::now();
        f.ok = out.flush();
        f.flushMs = msSince(t);
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        f.bytes = st.st_size;
    IniFile in;
    auto t = Clock::now();
    f.ok = in.load(path) == IniFile::LoadResult::Loaded && f.ok;
    f.loadMs = msSince(t);
    t = Clock::now();
    f.loaded = HistoryList::loadHistory(in, kEntries).count();
    f.readMs = msSince(t);
    return f;
}

} // namespace

int main() {
    HistoryList history = fullHistory();

    std::string folder = (std::filesystem::temp_directory_path() / "lecterna-history-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        std::perror("history_bench: mkdtemp");
        return 1;
    }
    const Figures f = saveAndLoad(folder + "/Lecterna.ini", history);
    std::filesystem::remove_all(folder);
    if (!f.ok || f.loaded != kEntries) {
        std::fprintf(stderr, "history_bench: the file did not round-trip (%d of %d entries)\n", f.loaded, kEntries);
        return 1;
    }

    std::printf("history_bench: %d entries x %d bookmarks through the settings file on disk (%.1f MB)\n", kEntries,
                kBookmarks, static_cast<double>(f.bytes) / 1048576.0);
    std::printf("  SaveHistory into the store  %8.1f ms\n", f.saveMs);
    std::printf("  write the file (atomic)     %8.1f ms\n", f.flushMs);
    std::printf("  read and parse the file     %8.1f ms\n", f.loadMs);
    std::printf("  LoadHistory from the store  %8.1f ms\n", f.readMs);
    std::printf("  saving %.2f s, loading %.2f s, of the second each may take  (load/save %.2f)\n", f.saving() / 1000.0,
                f.loading() / 1000.0, f.loading() / f.saving());

    // Each opening looks the book up and, when it closes, moves its entry to the front: both
    // walk the list once. The oldest book is the worst case for both.
    auto t = Clock::now();
    int found = 0;
    for (int i = 0; i < kOpenings; ++i) {
        const int oldest = history.count() - 1;
        const HistoryEntry& e = history.at(oldest);
        history.setCurrentIndex(history.findInHistory(e.name, e.param.fileType));
        found += history.currentIndex() == oldest;
        BookSnapshot s;
        s.book.fileName = e.name;
        s.book.fileType = e.param.fileType;
        s.secondsThisOpening = 60;
        history.storeBookState(s, kEntries);
    }
    const double openMs = msSince(t);
    std::printf("  find + store of the oldest book  %7.1f us/opening  (%d of %d found)\n", 1000 * openMs / kOpenings,
                found, kOpenings);
    return found == kOpenings ? 0 : 1;
}
