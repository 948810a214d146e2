// The largest history the settings allow (32736 books, ten bookmarks each) written and read
// back through a settings store, plus the per-opening costs that grow with the history: the
// look-up of the book and storing it back at the front.
//
// The store is taken by reference so that the file store can be measured the same way.

#include "document/HistoryList.h"

// Benchmarks link only the core; the in-memory store of the tests is compiled in here.
#include "../tests/support/MemorySettingsStore.cpp"
#include "../tests/support/MemorySettingsStore.h"

#include <chrono>
#include <cstdio>

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
    double saveMs = 0;
    double loadMs = 0;
    int loaded = 0;
};

Figures saveAndLoad(SettingsStore& store, const HistoryList& history) {
    Figures f;
    auto t = Clock::now();
    history.saveHistory(store);
    f.saveMs = msSince(t);
    t = Clock::now();
    HistoryList back = HistoryList::loadHistory(store, kEntries);
    f.loadMs = msSince(t);
    f.loaded = back.count();
    return f;
}

} // namespace

int main() {
    HistoryList history = fullHistory();

    MemorySettingsStore store;
    const Figures f = saveAndLoad(store, history);
    const size_t keys = store.keyCount("History");
    std::printf("history_bench: %d entries x %d bookmarks, %zu keys, in-memory store\n", kEntries, kBookmarks, keys);
    std::printf("  SaveHistory  %9.1f ms  %6.2f us/entry\n", f.saveMs, 1000 * f.saveMs / kEntries);
    std::printf("  LoadHistory  %9.1f ms  %6.2f us/entry  (load/save %.2f)\n", f.loadMs, 1000 * f.loadMs / kEntries,
                f.loadMs / f.saveMs);
    if (f.loaded != kEntries) {
        std::fprintf(stderr, "history_bench: loaded %d of %d entries\n", f.loaded, kEntries);
        return 1;
    }

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
