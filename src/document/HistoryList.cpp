#include "document/HistoryList.h"

#include "app/SettingsStore.h"
#include "document/FileTypes.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace Lecterna {

namespace {

// Builds the keys of one entry ("Book12Position") in one buffer, reused for every field.
class EntryKeys {
public:
    explicit EntryKeys(int index) : m_key("Book" + std::to_string(index)), m_prefixLength(m_key.size()) {}

    std::string_view prefix() const { return std::string_view(m_key).substr(0, m_prefixLength); }
    std::string_view operator()(std::string_view field) {
        m_key.resize(m_prefixLength);
        m_key.append(field);
        return m_key;
    }

private:
    std::string m_key;
    size_t m_prefixLength;
};

int32_t addSeconds(int32_t total, int32_t more) {
    // A stored total near the top of the range must not wrap into a negative reading time.
    const int64_t sum = static_cast<int64_t>(total) + std::max<int32_t>(more, 0);
    return static_cast<int32_t>(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}

void takeViewState(TBookParam& p, const BookSnapshot& s) {
    p.fileType = s.book.fileType;
    p.description = s.book.description;
    p.viewAllSymbolsOn = s.viewAllSymbolsOn;
    p.paragraphSearchOn = s.paragraphSearchOn;
    p.position = s.position;
    p.lineSpacing = s.lineSpacing;
    p.fontName = s.fontName;
    p.fontHeight = s.fontHeight;
    p.fontBold = s.fontBold;
    p.characterExtraMode = s.characterExtraMode;
    p.characterMap = s.characterMap;
    p.wordWrapOn = s.wordWrapOn;
    p.textJustificationOn = s.textJustificationOn;
    p.wasDone = s.wasDone;
    if (s.bookmarks)
        p.bookmarks.assign(*s.bookmarks);
    else
        p.bookmarks.clear();
}

} // namespace

std::string HistoryList::historyName(const TBook& book) {
    if (book.archiveName.empty())
        return book.fileName;
    const std::string_view member = fileNameOf(book.fileName);
    std::string name;
    name.reserve(book.archiveName.size() + 1 + member.size());
    name.append(book.archiveName).append("/").append(member);
    return name;
}

int HistoryList::findInHistory(std::string_view name, FileType type) const {
    for (int i = 0; i < count(); ++i)
        if (at(i).param.fileType == type && at(i).name == name)
            return i;
    return -1;
}

void HistoryList::append(std::string name, TBookParam param) {
    m_entries.push_back({std::move(name), std::move(param)});
}

void HistoryList::insertFront(std::string name, TBookParam param) {
    m_entries.insert(m_entries.begin(), HistoryEntry{std::move(name), std::move(param)});
    if (m_currentIndex >= 0)
        ++m_currentIndex;
}

void HistoryList::moveToFront(int i) {
    std::rotate(m_entries.begin(), m_entries.begin() + i, m_entries.begin() + i + 1);
    if (m_currentIndex == i)
        m_currentIndex = 0;
    else if (m_currentIndex >= 0 && m_currentIndex < i)
        ++m_currentIndex;
}

void HistoryList::remove(int i) {
    m_entries.erase(m_entries.begin() + i);
    if (m_currentIndex == i)
        m_currentIndex = -1;
    else if (m_currentIndex > i)
        --m_currentIndex;
}

void HistoryList::clear() {
    m_entries.clear();
    m_currentIndex = -1;
}

int HistoryList::truncate(int limit) {
    const int keep = std::max(limit, 0);
    const int dropped = std::max(count() - keep, 0);
    if (dropped > 0) {
        m_entries.erase(m_entries.begin() + keep, m_entries.end());
        if (m_currentIndex >= keep)
            m_currentIndex = -1;
    }
    return dropped;
}

HistoryList HistoryList::loadHistory(const SettingsStore& store, int historyLimit) {
    HistoryList list;
    for (int i = 0; i < historyLimit; ++i) {
        EntryKeys key(i);
        std::string name = store.readString(kSection, key("Name"), "");
        if (name.empty())
            break;
        TBookParam p;
        const int type = store.readInteger(kSection, key("FileType"), 3);
        p.fileType = type >= 0 && type <= 9 ? static_cast<FileType>(type) : FileType::Other;
        p.description = store.readString(kSection, key("Description"), "");
        p.viewAllSymbolsOn = store.readFlag(kSection, key("ViewAllSymbolsOn"), true);
        p.paragraphSearchOn = store.readFlag(kSection, key("ParagraphSearchOn"), false);
        p.position = store.readInteger(kSection, key("Position"), 0);
        p.readingInterval = store.readInteger(kSection, key("ReadingInterval"), 0);
        // Entries written before line spacing had its own key kept it as ViewInterval.
        const int viewInterval = store.readInteger(kSection, key("ViewInterval"), 0);
        p.lineSpacing = store.readInteger(kSection, key("LineSpacing"), viewInterval);
        p.fontName = store.readString(kSection, key("FontName"), "Arial");
        p.fontHeight = store.readInteger(kSection, key("FontHeight"), -20);
        p.fontBold = store.readFlag(kSection, key("FontBold"), false);
        const int extra = store.readInteger(kSection, key("CharacterExtraMode"), 2);
        p.characterExtraMode = static_cast<uint8_t>(extra >= 0 && extra <= 3 ? extra : 2);
        p.characterMap = store.readInteger(kSection, key("CharacterMap"), 1);
        p.wordWrapOn = store.readFlag(kSection, key("WordWrapOn"), false);
        p.textJustificationOn = store.readFlag(kSection, key("TextJustificationOn"), false);
        p.inArchive = store.readFlag(kSection, key("InArchive"), false);
        p.archiveDir = store.readString(kSection, key("ArchiveDir"), "");
        p.wasDone = store.readString(kSection, key("WasDone"), "?");
        p.bookmarks.load(store, kSection, key.prefix());
        list.append(std::move(name), std::move(p));
    }
    return list;
}

void HistoryList::saveHistory(SettingsStore& store) const {
    store.eraseSection(kSection);
    for (int i = 0; i < count(); ++i) {
        const HistoryEntry& e = at(i);
        const TBookParam& p = e.param;
        EntryKeys key(i);
        store.writeString(kSection, key("Name"), e.name);
        store.writeInteger(kSection, key("FileType"), static_cast<int>(p.fileType));
        store.writeString(kSection, key("Description"), p.description);
        store.writeFlag(kSection, key("ViewAllSymbolsOn"), p.viewAllSymbolsOn);
        store.writeFlag(kSection, key("ParagraphSearchOn"), p.paragraphSearchOn);
        store.writeInteger(kSection, key("Position"), p.position);
        store.writeInteger(kSection, key("ReadingInterval"), p.readingInterval);
        store.writeInteger(kSection, key("LineSpacing"), p.lineSpacing);
        store.writeString(kSection, key("FontName"), p.fontName);
        store.writeInteger(kSection, key("FontHeight"), p.fontHeight);
        store.writeFlag(kSection, key("FontBold"), p.fontBold);
        store.writeInteger(kSection, key("CharacterExtraMode"), p.characterExtraMode);
        store.writeInteger(kSection, key("CharacterMap"), p.characterMap);
        store.writeFlag(kSection, key("WordWrapOn"), p.wordWrapOn);
        store.writeFlag(kSection, key("TextJustificationOn"), p.textJustificationOn);
        store.writeFlag(kSection, key("InArchive"), p.inArchive);
        store.writeString(kSection, key("ArchiveDir"), p.archiveDir);
        store.writeString(kSection, key("WasDone"), p.wasDone);
        p.bookmarks.save(store, kSection, key.prefix());
    }
}

HistoryChange HistoryList::storeBookState(const BookSnapshot& state, int historyLimit) {
    if (state.book.wordIntegrated)
        return {HistoryChange::Kind::WordIntegrated};

    HistoryChange change;
    if (state.secondsThisOpening > kSecondsToRemember && !state.book.fromClipboard) {
        if (m_currentIndex >= 0 && m_currentIndex < count()) {
            TBookParam& p = at(m_currentIndex).param;
            takeViewState(p, state);
            p.readingInterval = addSeconds(p.readingInterval, state.secondsThisOpening);
            change.kind = HistoryChange::Kind::Updated;
            change.movedFrom = m_currentIndex;
            moveToFront(m_currentIndex);
        } else {
            TBookParam p;
            takeViewState(p, state);
            p.readingInterval = state.secondsThisOpening;
            p.inArchive = !state.book.archiveName.empty();
            p.archiveDir = state.book.archiveDir;
            // Normally one entry goes; more only if the limit was lowered without trimming.
            const int limit = std::max(historyLimit, 1);
            while (count() >= limit) {
                m_entries.pop_back();
                ++change.removedFromEnd;
            }
            m_currentIndex = -1;
            insertFront(historyName(state.book), std::move(p));
            change.kind = HistoryChange::Kind::Added;
        }
    }
    m_currentIndex = -1; // the book is closed
    return change;
}

} // namespace Lecterna
