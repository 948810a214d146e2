#include "app/SettingsStore.h"

#include <charconv>
#include <cstdint>

namespace Lecterna {

std::optional<int> parseStoredInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    int64_t v = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    if (negative)
        v = -v;
    // Hex values up to 32 bits wrap into the signed range, as colours stored as $FFxxxxxx need.
    if (base == 16 && v > INT32_MAX && v <= UINT32_MAX)
        v = static_cast<int32_t>(static_cast<uint32_t>(v));
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(v);
}

std::string SettingsStore::readString(std::string_view section, std::string_view key, std::string_view def) const {
    if (auto v = value(section, key))
        return *v;
    return std::string(def);
}

int SettingsStore::readInteger(std::string_view section, std::string_view key, int def) const {
    if (auto v = value(section, key))
        if (auto n = parseStoredInteger(*v))
            return *n;
    return def;
}

bool SettingsStore::readFlag(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void SettingsStore::writeInteger(std::string_view section, std::string_view key, int v) {
    char buf[16];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v);
    setValue(section, key, std::string_view(buf, static_cast<size_t>(ptr - buf)));
}

} // namespace Lecterna
