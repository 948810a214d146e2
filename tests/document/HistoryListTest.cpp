#include "document/HistoryList.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

constexpr int kLimit = 25;

BookSnapshot snapshot(std::string fileName, int32_t seconds, FileType type = FileType::Text) {
    BookSnapshot s;
    s.book.fileName = std::move(fileName);
    s.book.fileType = type;
    s.secondsThisOpening = seconds;
    s.position = 42;
    s.fontName = "Liberation Serif";
    s.fontHeight = -18;
    s.wasDone = "12.50 %";
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

TEST(HistoryList, LoadAppliesDefaultsAndReplacesOutOfRangeValues) {
    MemorySettingsStore store;
    store.setValue("History", "Book0Name", "/a.txt");
    store.setValue("History", "Book0ViewInterval", "3"); // an entry from before LineSpacing existed
    store.setValue("History", "Book1Name", "/b.txt");
    store.setValue("History", "Book1FileType", "12");
    store.setValue("History", "Book1CharacterExtraMode", "7");
    store.setValue("History", "Book1ViewInterval", "3");
    store.setValue("History", "Book1LineSpacing", "-1");
    HistoryList h = HistoryList::loadHistory(store, kLimit);
    ASSERT_EQ(h.count(), 2);

    const TBookParam& a = h.at(0).param;
    EXPECT_EQ(a.lineSpacing, 3);
    EXPECT_EQ(a.fileType, FileType::Other);
    EXPECT_TRUE(a.viewAllSymbolsOn);
    EXPECT_FALSE(a.paragraphSearchOn);
    EXPECT_EQ(a.fontName, "Arial");
    EXPECT_EQ(a.fontHeight, -20);
    EXPECT_EQ(a.characterExtraMode, 2);
    EXPECT_EQ(a.characterMap, 1);
    EXPECT_EQ(a.wasDone, "?");
    EXPECT_TRUE(a.bookmarks.isEmpty());

    const TBookParam& b = h.at(1).param;
    EXPECT_EQ(b.fileType, FileType::Other);
    EXPECT_EQ(b.characterExtraMode, 2);
    EXPECT_EQ(b.lineSpacing, -1);
}

TEST(HistoryList, LoadStopsAtAGapAndAtTheLimit) {
    MemorySettingsStore store;
    for (int i : {0, 1, 2, 3, 5})
        store.setValue("History", "Book" + std::to_string(i) + "Name", "/" + std::to_string(i));
    EXPECT_EQ(HistoryList::loadHistory(store, kLimit).count(), 4);
    EXPECT_EQ(HistoryList::loadHistory(store, 2).count(), 2);
}

TEST(HistoryList, SaveReplacesTheSectionAndLoadsBackEveryField) {
    HistoryList h;
    TBookParam p;
    p.fileType = FileType::Doc;
    p.description = "Описание";
    p.viewAllSymbolsOn = false;
    p.paragraphSearchOn = true;
    p.position = 70000;
    p.readingInterval = 3600;
    p.lineSpacing = 4;
    p.fontName = "";
    p.fontHeight = 14;
    p.fontBold = true;
    p.characterExtraMode = 0;
    p.characterMap = 13;
    p.wordWrapOn = true;
    p.textJustificationOn = true;
    p.inArchive = true;
    p.archiveDir = "sub/";
    p.wasDone = "45,20 %";
    p.bookmarks.add("здесь", 7);
    h.append("/arc.zip/книга.doc", p);
    h.append("/b.txt", TBookParam{});

    MemorySettingsStore store;
    store.setValue("History", "Book7Name", "/stale.txt"); // an older, longer history
    store.setValue("History", "Book0ViewInterval", "2");
    h.saveHistory(store);
    EXPECT_FALSE(store.value("History", "Book7Name"));
    EXPECT_FALSE(store.value("History", "Book0ViewInterval"));
    EXPECT_EQ(store.value("History", "Book0FileType"), "9");
    EXPECT_EQ(store.value("History", "Book0BookMark0Position"), "7");

    HistoryList back = HistoryList::loadHistory(store, kLimit);
    ASSERT_EQ(names(back), names(h));
    const TBookParam& q = back.at(0).param;
    EXPECT_EQ(q.fileType, p.fileType);
    EXPECT_EQ(q.description, p.description);
    EXPECT_EQ(q.viewAllSymbolsOn, p.viewAllSymbolsOn);
    EXPECT_EQ(q.paragraphSearchOn, p.paragraphSearchOn);
    EXPECT_EQ(q.position, p.position);
    EXPECT_EQ(q.readingInterval, p.readingInterval);
    EXPECT_EQ(q.lineSpacing, p.lineSpacing);
    EXPECT_EQ(q.fontName, p.fontName);
    EXPECT_EQ(q.fontHeight, p.fontHeight);
    EXPECT_EQ(q.fontBold, p.fontBold);
    EXPECT_EQ(q.characterExtraMode, p.characterExtraMode);
    EXPECT_EQ(q.characterMap, p.characterMap);
    EXPECT_EQ(q.wordWrapOn, p.wordWrapOn);
    EXPECT_EQ(q.textJustificationOn, p.textJustificationOn);
    EXPECT_EQ(q.inArchive, p.inArchive);
    EXPECT_EQ(q.archiveDir, p.archiveDir);
    EXPECT_EQ(q.wasDone, p.wasDone);
    EXPECT_EQ(q.bookmarks.titles(), p.bookmarks.titles());
    EXPECT_EQ(q.bookmarks.positions(), p.bookmarks.positions());
}

TEST(HistoryList, FindsByExactNameAndFileType) {
    HistoryList h;
    TBookParam text, info;
    info.fileType = FileType::Info;
    h.append("/books/Read.me", text);
    h.append("/books/Read.me", info);
    EXPECT_EQ(h.findInHistory("/books/Read.me", FileType::Other), 0);
    EXPECT_EQ(h.findInHistory("/books/Read.me", FileType::Info), 1);
    EXPECT_EQ(h.findInHistory("/books/read.me", FileType::Info), -1);
    EXPECT_EQ(h.findInHistory("/books/Read.me", FileType::Text), -1);

    TBook member;
    member.fileName = "/tmp/Book123/glava1.txt";
    member.archiveName = "/books/Тома.zip";
    member.archiveDir = "part1/";
    EXPECT_EQ(HistoryList::historyName(member), "/books/Тома.zip/glava1.txt");
    member.archiveName.clear();
    EXPECT_EQ(HistoryList::historyName(member), "/tmp/Book123/glava1.txt");
}

TEST(HistoryList, StoresOnlyBooksReadLongerThanTenSecondsAndNeverTheClipboard) {
    struct Case {
        int32_t seconds;
        bool fromClipboard;
        bool stored;
    };
    for (const Case& c : {Case{10, false, false}, Case{11, false, true}, Case{-1, false, false},
                          Case{3600, true, false}}) {
        HistoryList h = historyOf(3);
        BookSnapshot s = snapshot("/new.txt", c.seconds);
        s.book.fromClipboard = c.fromClipboard;
        const HistoryChange ch = h.storeBookState(s, kLimit);
        EXPECT_EQ(ch.kind, c.stored ? HistoryChange::Kind::Added : HistoryChange::Kind::NotStored) << c.seconds;
        EXPECT_EQ(h.count(), c.stored ? 4 : 3);
        EXPECT_EQ(h.at(0).name == "/new.txt", c.stored);
        EXPECT_EQ(h.currentIndex(), -1); // the book is closed either way
    }
}

TEST(HistoryList, ReopenedBookMovesToTheFrontWithItsTimeAdded) {
    HistoryList h = historyOf(5);
    h.at(3).param.bookmarks.add("old", 1);
    h.setCurrentIndex(h.findInHistory("/books/3.txt", FileType::Other));
    BookSnapshot s = snapshot("/books/3.txt", 20, FileType::Other);
    s.characterExtraMode = 0;
    TBookmarkList working;
    working.add("new", 99);
    s.bookmarks = &working;

    const HistoryChange ch = h.storeBookState(s, kLimit);
    EXPECT_EQ(ch.kind, HistoryChange::Kind::Updated);
    EXPECT_EQ(ch.movedFrom, 3);
    EXPECT_EQ(names(h), (std::vector<std::string>{"/books/3.txt", "/books/0.txt", "/books/1.txt", "/books/2.txt",
                                                  "/books/4.txt"}));
    const TBookParam& p = h.at(0).param;
    EXPECT_EQ(p.readingInterval, 120);
    EXPECT_EQ(p.characterExtraMode, 0);
    EXPECT_EQ(p.position, 42);
    EXPECT_EQ(p.wasDone, "12.50 %");
    EXPECT_EQ(p.bookmarks.titles(), working.titles());

    // A total near the top of the range saturates rather than turning negative.
    h.at(0).param.readingInterval = INT32_MAX - 5;
    h.setCurrentIndex(0);
    h.storeBookState(s, kLimit);
    EXPECT_EQ(h.at(0).param.readingInterval, INT32_MAX);
}

TEST(HistoryList, NewBookDropsTheOldestWhenFull) {
    HistoryList h = historyOf(kLimit);
    BookSnapshot s = snapshot("/arc/a.zip-extracted/member.txt", 11);
    s.book.archiveName = "/arc/a.zip";
    s.book.archiveDir = "dir/";
    const HistoryChange ch = h.storeBookState(s, kLimit);
    EXPECT_EQ(ch.kind, HistoryChange::Kind::Added);
    EXPECT_EQ(ch.removedFromEnd, 1);
    ASSERT_EQ(h.count(), kLimit);
    EXPECT_EQ(h.at(0).name, "/arc/a.zip/member.txt");
    EXPECT_EQ(h.at(kLimit - 1).name, "/books/23.txt");
    const TBookParam& p = h.at(0).param;
    EXPECT_TRUE(p.inArchive);
    EXPECT_EQ(p.archiveDir, "dir/");
    EXPECT_EQ(p.readingInterval, 11);
}

TEST(HistoryList, CurrentIndexFollowsRemovalsSoNoOtherBookIsOverwritten) {
    // The settings dialog trims the history when its limit is lowered; the open book's entry
    // may go with it. Its state must then be stored as a new entry, not into whatever is at
    // the old index.
    HistoryList h = historyOf(30);
    h.setCurrentIndex(27);
    EXPECT_EQ(h.truncate(25), 5);
    EXPECT_EQ(h.currentIndex(), -1);
    const HistoryChange ch = h.storeBookState(snapshot("/books/27.txt", 60, FileType::Other), 25);
    EXPECT_EQ(ch.kind, HistoryChange::Kind::Added);
    EXPECT_EQ(h.at(0).param.readingInterval, 60);

    HistoryList g = historyOf(5);
    g.setCurrentIndex(3);
    g.remove(1);
    EXPECT_EQ(g.currentIndex(), 2);
    EXPECT_EQ(g.at(g.currentIndex()).name, "/books/3.txt");
    g.remove(2);
    EXPECT_EQ(g.currentIndex(), -1);
}

TEST(HistoryList, BookShownByTheWordProcessorIsLeftToIt) {
    HistoryList h = historyOf(2);
    h.setCurrentIndex(1);
    BookSnapshot s = snapshot("/books/1.txt", 100);
    s.book.wordIntegrated = true;
    EXPECT_EQ(h.storeBookState(s, kLimit).kind, HistoryChange::Kind::WordIntegrated);
    EXPECT_EQ(h.currentIndex(), 1);
    EXPECT_EQ(h.at(1).param.readingInterval, 100);
}
