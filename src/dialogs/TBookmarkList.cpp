#include "dialogs/TBookmarkList.h"

#include "app/SettingsStore.h"
#include "document/CodePage.h"

#include <cmath>
#include <limits>

namespace Lecterna {

namespace {

std::string bookmarkKey(std::string_view prefix, int k, std::string_view field) {
    std::string key;
    key.reserve(prefix.size() + 24);
    key.append(prefix).append("BookMark").append(std::to_string(k)).append(field);
    return key;
}

} // namespace

void TBookmarkList::add(std::string_view title, int32_t position) {
    m_titles.emplace_back(title);
    m_positions.push_back(position);
}

void TBookmarkList::clear() {
    m_titles.clear();
    m_positions.clear();
}

void TBookmarkList::remove(int i) {
    m_titles.erase(m_titles.begin() + i);
    m_positions.erase(m_positions.begin() + i);
}

std::string TBookmarkList::limitMessage(std::string_view format) {
    std::string out(format);
    if (auto at = out.find("%d"); at != std::string::npos)
        out.replace(at, 2, std::to_string(kMaxBookmarks));
    return out;
}

void TBookmarkList::load(const SettingsStore& store, std::string_view section, std::string_view prefix) {
    for (int k = 0;; ++k) {
        std::string title = store.readString(section, bookmarkKey(prefix, k, "Title"), "");
        int position = store.readInteger(section, bookmarkKey(prefix, k, "Position"), -1);
        if (title.empty() || position == -1)
            return;
        add(title, position);
    }
}

void TBookmarkList::save(SettingsStore& store, std::string_view section, std::string_view prefix) const {
    for (int k = 0; k < count(); ++k) {
        store.writeString(section, bookmarkKey(prefix, k, "Title"), m_titles[static_cast<size_t>(k)]);
        store.writeString(section, bookmarkKey(prefix, k, "Position"),
                          std::to_string(m_positions[static_cast<size_t>(k)]));
    }
}

void TBookmarkList::rescale(int64_t oldCount, int64_t newCount) {
    if (oldCount <= 0 || newCount == oldCount)
        return;
    const double factor = static_cast<double>(newCount) / static_cast<double>(oldCount);
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    for (int32_t& p : m_positions) {
        // Positions come from the settings file and may be anything; a result beyond the
        // 32-bit range is pinned to its edge instead of being converted out of range.
        const double scaled = std::floor(static_cast<double>(p) * factor);
        p = static_cast<int32_t>(scaled < lo ? lo : scaled > hi ? hi : scaled);
    }
}

std::string TBookmarkList::defaultTitle(std::string_view topLine, const CodePage& displayCodePage) {
    return cleanTitle(displayCodePage.toUtf8(topLine.substr(0, kDefaultTitleBytes)));
}

std::string TBookmarkList::cleanTitle(std::string_view utf8) {
    // Every byte of a multi-byte UTF-8 sequence is 0x80 or above, so the space and the control
    // characters can be recognised byte by byte.
    size_t start = 0;
    while (start < utf8.size() && static_cast<unsigned char>(utf8[start]) <= 32)
        ++start;
    std::string out(utf8.substr(start));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    return out;
}

} // namespace Lecterna
