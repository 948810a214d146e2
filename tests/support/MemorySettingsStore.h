#pragma once

#include "app/SettingsStore.h"

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Lecterna {

// A settings store that lives only in memory: sections and keys compare without regard to
// (ASCII) case and keep their first-written order, as the file store does. Large enough
// histories are kept in one section, so keys are found through a hash table.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> value(std::string_view section, std::string_view key) const override;
    void setValue(std::string_view section, std::string_view key, std::string_view value) override;
    std::vector<std::string> keyNames(std::string_view section) const override;
    std::vector<std::pair<std::string, std::string>> sectionValues(std::string_view section) const override;
    void eraseSection(std::string_view section) override;
    bool flush() override;

    void removeKey(std::string_view section, std::string_view key);
    size_t keyCount(std::string_view section) const;
    int flushCount() const { return m_flushes; }

private:
    struct Section {
        std::vector<std::pair<std::string, std::string>> entries; // removed keys leave an empty name
        std::unordered_map<std::string, size_t> index;            // folded key -> position in entries
    };
    const Section* find(std::string_view section) const;

    std::map<std::string, Section> m_sections; // by folded section name
    int m_flushes = 0;
};

} // namespace Lecterna
