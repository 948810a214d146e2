#include "document/HistoryList.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Lecterna;

namespace {

constexpr int kLimit = 25;

BookSnapshot snapshot(std::string fileName, int32_t seconds, FileType type = FileType::Text) {
    BookSnapshot s;
    s.book.fileName = std::move(fileName);
    s.book.fileType = type;
    s.secondsThisOpening = seconds;
    return s;
}

HistoryList historyOf(int n) {
    HistoryList h;
    for (int i = 0; i < n; ++i) {
        TBookParam p;
        p.readingInterval = 100;
        h.append("/books/" + std::to_string(i) + ".txt", std::move(p));
    }
    return h;
}

std::vector<std::string> names(const HistoryList& h) {
    std::vector<std::string> out;
    for (int i = 0; i < h.count(); ++i)
        out.push_back(h.at(i).name);
    return out;
}

} // namespace

TEST(HistoryList, LoadAppliesDefaultsChecksRangesAndStopsAtAGap) {
    MemorySettingsStore store;
    for (int i : {0, 1, 2, 3, 5})
        store.setValue("History", "Book" + std::to_string(i) + "Name", "/" + std::to_string(i));
    store.setValue("History", "Book0ViewInterval", "3"); // written before LineSpacing had its own key
    store.setValue("History", "Book1FileType", "12");
    store.setValue("History", "Book1CharacterExtraMode", "7");
    store.setValue("History", "Book1ViewInterval", "3");
    store.setValue("History", "Book1LineSpacing", "-1");
    HistoryList h = HistoryList::loadHistory(store, kLimit);
    ASSERT_EQ(h.count(), 4);
    EXPECT_EQ(HistoryList::loadHistory(store, 2).count(), 2);

    const TBookParam& a = h.at(0).param;
    EXPECT_EQ(
        std::tie(a.lineSpacing, a.fileType, a.viewAllSymbolsOn, a.fontName, a.fontHeight, a.characterMap, a.wasDone),
        std::make_tuple(3, FileType::Other, true, std::string("Arial"), -20, 1, std::string("?")));
    const TBookParam& b = h.at(1).param;
    EXPECT_EQ(std::tie(b.fileType, b.characterExtraMode, b.lineSpacing), std::make_tuple(FileType::Other, 2, -1));
}

TEST(HistoryList, SaveReplacesTheSectionAndEveryFieldReadsBack) {
    TBookParam p{FileType::Doc, "Описание", false, true, 70000, 3600, 4,      "",        14,
                 true,          0,          13,    true, true,  true, "sub/", "45,20 %", {}};
    p.bookmarks.add("здесь", 7);
    HistoryList h;
    h.append("/arc.zip/книга.doc", p);
    h.append("/b.txt", TBookParam{});

    MemorySettingsStore store;
    store.setValue("History", "Book7Name", "/stale.txt"); // left by an older, longer history
    store.setValue("History", "Book0ViewInterval", "2");
    h.saveHistory(store);
    EXPECT_FALSE(store.value("History", "Book7Name"));
    EXPECT_FALSE(store.value("History", "Book0ViewInterval"));
    EXPECT_EQ(store.keyCount("History"), 2u * 18 + 2);

    // Every field is written, so a second save of what was loaded repeats the first exactly.
    MemorySettingsStore again;
    HistoryList::loadHistory(store, kLimit).saveHistory(again);
    EXPECT_EQ(again.sectionValues("History"), store.sectionValues("History"));
}

TEST(HistoryList, FindsByExactNameAndFileType) {
    HistoryList h;
    TBookParam info;
    info.fileType = FileType::Info;
    h.append("/books/Read.me", TBookParam{});
    h.append("/books/Read.me", info); // one path opened as two types: two entries
    EXPECT_EQ(h.findInHistory("/books/Read.me", FileType::Info), 1);
    EXPECT_EQ(h.findInHistory("/books/read.me", FileType::Info), -1);
    EXPECT_EQ(h.findInHistory("/books/Read.me", FileType::Text), -1);

    TBook member;
    member.fileName = "/tmp/Book123/glava1.txt"; // the extracted copy
    member.archiveName = "/books/Тома.zip";
    EXPECT_EQ(HistoryList::historyName(member), "/books/Тома.zip/glava1.txt");
}

TEST(HistoryList, StoresOnlyBooksReadLongerThanTenSecondsAndNeverTheClipboard) {
    struct Case {
        int32_t seconds;
        bool fromClipboard;
        bool stored;
    };
    for (const Case& c : {Case{10, false, false}, Case{11, false, true}, Case{3600, true, false}}) {
        HistoryList h = historyOf(3);
        BookSnapshot s = snapshot("/new.txt", c.seconds);
        s.book.fromClipboard = c.fromClipboard;
        const HistoryChange ch = h.storeBookState(s, kLimit);
        EXPECT_EQ(ch.kind, c.stored ? HistoryChange::Kind::Added : HistoryChange::Kind::NotStored) << c.seconds;
        EXPECT_EQ(h.at(0).name == "/new.txt", c.stored);
        EXPECT_EQ(h.count(), c.stored ? 4 : 3);
    }
}

TEST(HistoryList, ReopenedBookMovesToTheFrontWithItsTimeAdded) {
    HistoryList h = historyOf(5);
    h.setCurrentIndex(h.findInHistory("/books/3.txt", FileType::Other));
    BookSnapshot s = snapshot("/books/3.txt", 20, FileType::Other);
    s.characterExtraMode = 0;
    TBookmarkList working;
    working.add("new", 99);
    s.bookmarks = &working;

    const HistoryChange ch = h.storeBookState(s, kLimit);
    EXPECT_EQ(std::tie(ch.kind, ch.movedFrom), std::make_tuple(HistoryChange::Kind::Updated, 3));
    EXPECT_EQ(names(h), (std::vector<std::string>{"/books/3.txt", "/books/0.txt", "/books/1.txt", "/books/2.txt",
                                                  "/books/4.txt"}));
    const TBookParam& p = h.at(0).param;
    EXPECT_EQ(std::tie(p.readingInterval, p.characterExtraMode), std::make_tuple(120, 0));
    EXPECT_EQ(p.bookmarks.titles(), working.titles());
    EXPECT_EQ(h.currentIndex(), -1); // the book is closed

    // A total near the top of the range saturates rather than turning negative.
    h.at(0).param.readingInterval = INT32_MAX - 5;
    h.setCurrentIndex(0);
    h.storeBookState(s, kLimit);
    EXPECT_EQ(h.at(0).param.readingInterval, INT32_MAX);
}

TEST(HistoryList, NewBookDropsTheOldestWhenFull) {
    HistoryList h = historyOf(kLimit);
    BookSnapshot s = snapshot("/tmp/Book1/member.txt", 11);
    s.book.archiveName = "/arc/a.zip";
    s.book.archiveDir = "dir/";
    const HistoryChange ch = h.storeBookState(s, kLimit);
    EXPECT_EQ(std::tie(ch.kind, ch.removedFromEnd), std::make_tuple(HistoryChange::Kind::Added, 1));
    ASSERT_EQ(h.count(), kLimit);
    EXPECT_EQ(h.at(kLimit - 1).name, "/books/23.txt");
    const HistoryEntry& e = h.at(0);
    EXPECT_EQ(std::tie(e.name, e.param.inArchive, e.param.archiveDir, e.param.readingInterval),
              std::make_tuple(std::string("/arc/a.zip/member.txt"), true, std::string("dir/"), 11));
}

TEST(HistoryList, CurrentIndexFollowsRemovalsSoNoOtherBookIsOverwritten) {
    // Lowering the limit trims the history, maybe taking the open book's entry with it; that
    // book must then come back as a new entry, not be written over whatever is at its index.
    HistoryList h = historyOf(30);
    h.setCurrentIndex(27);
    EXPECT_EQ(h.truncate(25), 5);
    EXPECT_EQ(h.storeBookState(snapshot("/books/27.txt", 60, FileType::Other), 25).kind, HistoryChange::Kind::Added);

    HistoryList g = historyOf(5);
    g.setCurrentIndex(3);
    g.remove(1);
    EXPECT_EQ(g.at(g.currentIndex()).name, "/books/3.txt");
    g.remove(2);
    EXPECT_EQ(g.currentIndex(), -1);
}
