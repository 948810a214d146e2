#include "document/CharacterMaps.h"

#include <cstdint>
#include <cstdio>

namespace Lecterna {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "$0" + entry read as a 32-bit hexadecimal number: only hex digits, at most 32 significant bits.
std::optional<uint32_t> parseHexEntry(std::string_view entry) {
    uint64_t v = 0;
    for (char c : entry) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        v = (v << 4) | static_cast<uint64_t>(d);
        if (v > 0xFFFFFFFFULL)
            return std::nullopt;
    }
    return static_cast<uint32_t>(v);
}

bool isUtf8Text(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            if ((b < 0x20 && b != '\t') || b == 0x7F)
                return false;
            ++i;
            continue;
        }
        size_t extra = b >= 0xC2 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF4 ? 3 : 0;
        if (extra == 0 || i + extra >= s.size())
            return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

CharacterMap CharacterMaps::parseMapping(std::string_view value) {
    CharacterMap map;
    size_t cursor = 0;
    for (size_t k = 0; k < map.size(); ++k) {
        if (cursor >= value.size()) {
            map[k] = ' ';
            continue;
        }
        size_t comma = value.find(',', cursor);
        if (comma == std::string_view::npos)
            comma = value.size();
        const std::optional<uint32_t> v = parseHexEntry(value.substr(cursor, comma - cursor));
        map[k] = v ? static_cast<unsigned char>(*v & 0xFF) : ' ';
        cursor = comma + 1;
    }
    return map;
}

std::optional<std::string> CharacterMaps::mappingProblem(std::string_view value) {
    if (value.size() > kMaxMappingLength) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "Значение Mapping длиннее %zu символов", kMaxMappingLength);
        return std::string(buf);
    }
    if (!isUtf8Text(value))
        return std::string("Значение Mapping не является текстом");
    return std::nullopt;
}

CharacterMaps CharacterMaps::load(const std::vector<CmtSection>& sections) {
    CharacterMaps result;
    for (const CmtSection& section : sections) {
        if (!section.mapping || section.mapping->empty())
            continue;
        if (std::optional<std::string> problem = mappingProblem(*section.mapping)) {
            result.m_errors.push_back("Ошибка загрузки таблицы символов:\n" + section.name + "\n\n" + *problem);
            continue;
        }
        result.m_maps.push_back(parseMapping(*section.mapping));
        result.m_names.push_back(section.name);
    }
    return result;
}

std::string CharacterMaps::translate(size_t k, std::string_view bytes) const {
    const CharacterMap& map = m_maps.at(k);
    std::string out(bytes.size(), '\0');
    char* o = out.data();
    for (unsigned char b : bytes)
        *o++ = static_cast<char>(map[b]);
    return out;
}

std::vector<CmtSection> readCmtSections(std::string_view fileBytes) {
    if (fileBytes.starts_with("\xEF\xBB\xBF"))
        fileBytes.remove_prefix(3);
    std::vector<CmtSection> sections;
    while (!fileBytes.empty()) {
        size_t end = fileBytes.find('\n');
        std::string_view line = fileBytes.substr(0, end);
        fileBytes.remove_prefix(end == std::string_view::npos ? fileBytes.size() : end + 1);
        line = trimmed(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close != std::string_view::npos)
                sections.push_back({std::string(trimmed(line.substr(1, close - 1))), std::nullopt});
            continue;
        }
        const size_t eq = line.find('=');
        if (sections.empty() || eq == std::string_view::npos || sections.back().mapping)
            continue;
        if (!equalsIgnoringAsciiCase(trimmed(line.substr(0, eq)), "Mapping"))
            continue;
        std::string_view value = trimmed(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        sections.back().mapping = std::string(value);
    }
    return sections;
}

} // namespace Lecterna
