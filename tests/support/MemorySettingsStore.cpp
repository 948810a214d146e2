#include "MemorySettingsStore.h"

namespace Lecterna {

namespace {
std::string folded(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
} // namespace

const MemorySettingsStore::Section* MemorySettingsStore::find(std::string_view section) const {
    auto it = m_sections.find(folded(section));
    return it == m_sections.end() ? nullptr : &it->second;
}

std::optional<std::string> MemorySettingsStore::value(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    if (!s)
        return std::nullopt;
    auto it = s->index.find(folded(key));
    if (it == s->index.end())
        return std::nullopt;
    return s->entries[it->second].second;
}

void MemorySettingsStore::setValue(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = m_sections[folded(section)];
    auto [it, inserted] = s.index.try_emplace(folded(key), s.entries.size());
    if (inserted)
        s.entries.emplace_back(std::string(key), std::string(value));
    else
        s.entries[it->second].second.assign(value);
}

std::vector<std::string> MemorySettingsStore::keyNames(std::string_view section) const {
    std::vector<std::string> out;
    if (const Section* s = find(section))
        for (const auto& [k, v] : s->entries)
            if (!k.empty())
                out.push_back(k);
    return out;
}

std::vector<std::pair<std::string, std::string>> MemorySettingsStore::sectionValues(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    if (const Section* s = find(section))
        for (const auto& kv : s->entries)
            if (!kv.first.empty())
                out.push_back(kv);
    return out;
}

void MemorySettingsStore::eraseSection(std::string_view section) {
    m_sections.erase(folded(section));
}

bool MemorySettingsStore::flush() {
    ++m_flushes;
    return true;
}

void MemorySettingsStore::removeKey(std::string_view section, std::string_view key) {
    auto sit = m_sections.find(folded(section));
    if (sit == m_sections.end())
        return;
    auto it = sit->second.index.find(folded(key));
    if (it == sit->second.index.end())
        return;
    sit->second.entries[it->second] = {};
    sit->second.index.erase(it);
}

size_t MemorySettingsStore::keyCount(std::string_view section) const {
    const Section* s = find(section);
    return s ? s->index.size() : 0;
}

} // namespace Lecterna
