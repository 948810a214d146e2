#pragma once

#include "document/Book.h"
#include "document/TBookParam.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

class SettingsStore;

struct HistoryEntry {
    std::string name; // UTF-8 path; for an archive member the archive's path + "/" + member name
    TBookParam param;
};

// The open book as the reading view leaves it, handed to HistoryList::storeBookState().
struct BookSnapshot {
    TBook book;
    bool viewAllSymbolsOn = true;
    bool paragraphSearchOn = false;
    int32_t position = 0;            // absolute index of the top display line
    int32_t secondsThisOpening = -1; // reading seconds since the book was opened
    int32_t lineSpacing = 0;         // index of the checked line-spacing command
    std::string fontName;
    int32_t fontHeight = 0; // as the history keeps it: negative for a height in pixels
    bool fontBold = false;
    uint8_t characterExtraMode = 2;
    int32_t characterMap = 0;
    bool wordWrapOn = false;
    bool textJustificationOn = false;
    std::string wasDone = "?";
    const TBookmarkList* bookmarks = nullptr; // the working copy; null for none
};

// What storeBookState() did, so that the History tab can follow the list.
struct HistoryChange {
    enum class Kind {
        NotStored,      // read 10 seconds or less, or taken from the clipboard
        Updated,        // a known book: its entry moved from movedFrom to index 0
        Added,          // a new book: inserted at index 0 after removedFromEnd entries were dropped
        WordIntegrated, // shown by the word processor, whose closing stores it; nothing done here
    };
    Kind kind = Kind::NotStored;
    int movedFrom = -1;
    int removedFromEnd = 0;
};

// The books the program remembers, the most recently read first. Also tracks which entry is
// the open book's, so that every removal keeps that index pointing at the right book.
class HistoryList {
public:
    static constexpr std::string_view kSection = "History";
    // Reading time, in seconds of one opening, a book needs before it is remembered.
    static constexpr int32_t kSecondsToRemember = 10;

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const HistoryEntry& at(int i) const { return m_entries[static_cast<size_t>(i)]; }
    HistoryEntry& at(int i) { return m_entries[static_cast<size_t>(i)]; }

    // The name a book is remembered under: its path, or for an archive member the archive's
    // path + "/" + the member's file name (the last component of the extracted copy's path).
    static std::string historyName(const TBook& book);
    // The first entry with exactly this name (case-sensitive) and this file type, or -1.
    int findInHistory(std::string_view name, FileType type) const;
    int findInHistory(const TBook& request) const { return findInHistory(historyName(request), request.fileType); }

    // The open book's entry, or -1 when the open book is not in the history (or none is open).
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index) { m_currentIndex = index >= 0 && index < count() ? index : -1; }

    void append(std::string name, TBookParam param);
    void insertFront(std::string name, TBookParam param);
    void moveToFront(int i);
    void remove(int i);
    void clear();
    // Drops entries from the end until at most limit remain; returns how many were dropped.
    int truncate(int limit);

    // Reads up to historyLimit entries from section History, stopping at the first entry
    // without a name; stored values outside their range are replaced.
    static HistoryList loadHistory(const SettingsStore& store, int historyLimit);
    // Replaces section History with the list, every key of every entry and its bookmarks.
    void saveHistory(SettingsStore& store) const;

    // Folds the state of the open book into the history and closes it (the current index
    // becomes -1): a known book has its entry updated, its reading time added, and moved to the
    // front; a new one is inserted at the front, the oldest entries making room when the list
    // holds historyLimit. Books read 10 seconds or less and clipboard text are not remembered.
    HistoryChange storeBookState(const BookSnapshot& state, int historyLimit);

private:
    std::vector<HistoryEntry> m_entries;
    int m_currentIndex = -1;
};

} // namespace Lecterna
