#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

class CodePage;
class SettingsStore;

// The bookmarks of one book: titles (UTF-8, one line each) and positions, in the order they were
// added. A position is the index of the line that was at the top of the reading window, or, for
// a document shown by the word processor, a character position in it.
class TBookmarkList {
public:
    // The most the Bookmarks tab accepts: the row limit of the older list controls, the same
    // figure that sizes the segments of the line list.
    static constexpr int kMaxBookmarks = 32736;
    static constexpr std::string_view kLimitMessage = "Максимальное число закладок в одном файле равно %d.";
    // Longest default title, in bytes of the 8-bit line it is taken from.
    static constexpr size_t kDefaultTitleBytes = 60;

    int count() const { return static_cast<int>(m_titles.size()); }
    bool isEmpty() const { return m_titles.empty(); }
    const std::string& title(int i) const { return m_titles[static_cast<size_t>(i)]; }
    int32_t position(int i) const { return m_positions[static_cast<size_t>(i)]; }
    const std::vector<std::string>& titles() const { return m_titles; }
    const std::vector<int32_t>& positions() const { return m_positions; }

    void add(std::string_view title, int32_t position);
    void assign(const TBookmarkList& other) { *this = other; }
    void clear();
    void setTitle(int i, std::string_view title) { m_titles[static_cast<size_t>(i)].assign(title); }
    void remove(int i);

    bool canAdd() const { return count() < kMaxBookmarks; }
    // The refusal shown when the list is full. The format may come from a language file, so
    // only its first "%d" is filled in and nothing else in it is interpreted.
    static std::string limitMessage(std::string_view format = kLimitMessage);

    // Appends the entries stored under prefix + "BookMark" + k + "Title" / "Position",
    // k = 0, 1, ... up to the first empty title or position -1; later entries are not read.
    void load(const SettingsStore& store, std::string_view section, std::string_view prefix);
    void save(SettingsStore& store, std::string_view section, std::string_view prefix) const;

    // After a new layout changed the line count from oldCount to newCount, every position p
    // becomes floor(p * (newCount / oldCount)), the quotient taken first in floating point so
    // that positions land where they always have. Nothing changes when oldCount <= 0 or the
    // counts are equal.
    void rescale(int64_t oldCount, int64_t newCount);

    // The title offered for a bookmark on a line of the book: the line's first 60 bytes (cut
    // before decoding, so no character is split), decoded from the book's display code page,
    // then cleaned as cleanTitle() does.
    static std::string defaultTitle(std::string_view topLine, const CodePage& displayCodePage);
    // Drops leading blanks and control characters and turns every later control character into
    // a space; the end of the title is kept as it is.
    static std::string cleanTitle(std::string_view utf8);

private:
    std::vector<std::string> m_titles;
    std::vector<int32_t> m_positions;
};

} // namespace Lecterna
