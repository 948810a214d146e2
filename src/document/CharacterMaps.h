#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

// A user character map: entry b is the byte shown for byte b of the book.
using CharacterMap = std::array<unsigned char, 256>;

// One section of Lecterna.cmt as the settings reader delivers it: its name and its "Mapping"
// value, or nothing when the section has no such key.
struct CmtSection {
    std::string name;
    std::optional<std::string> mapping;
};

// The character maps of Lecterna.cmt, each one a further item of the encoding menu.
class CharacterMaps {
public:
    // Longest "Mapping" value taken: 256 entries need well under 2000 characters, so anything
    // much longer is not a map (a binary file by that name, say).
    static constexpr size_t kMaxMappingLength = 4096;

    CharacterMaps() = default;

    // Loads the sections in file order. A section without a Mapping value, or with an empty one,
    // is passed over silently; a broken one (see mappingProblem) adds an error text and loading
    // goes on with the next section.
    static CharacterMaps load(const std::vector<CmtSection>& sections);

    // The 256 entries of a Mapping value: comma-separated hexadecimal byte values without prefix
    // ("41,42,..."); an empty entry is 0, one that is not a hexadecimal number is a space, and
    // entries missing at the end are spaces. Only the low 8 bits of a number count.
    static CharacterMap parseMapping(std::string_view value);

    // Why a Mapping value cannot be a map, or nothing when it can: it is not text (control
    // characters or bytes that are not UTF-8), or it is longer than kMaxMappingLength.
    static std::optional<std::string> mappingProblem(std::string_view value);

    size_t count() const { return m_maps.size(); }
    const CharacterMap& map(size_t k) const { return m_maps.at(k); }
    // Menu captions, one per map.
    const std::vector<std::string>& names() const { return m_names; }
    // The messages to show, one per broken section, in file order.
    const std::vector<std::string>& errors() const { return m_errors; }

    // Translates a text through map k into a string of the same length.
    std::string translate(size_t k, std::string_view bytes) const;

private:
    std::vector<CharacterMap> m_maps;
    std::vector<std::string> m_names;
    std::vector<std::string> m_errors;
};

// The sections of a Lecterna.cmt file, read from its bytes with the rules of the Windows profile
// reader that matter for it: "[name]" lines open sections (blanks around the name dropped), the
// first "Mapping=" line of a section counts (key case ignored, blanks around the value dropped,
// one pair of surrounding quotes removed), ';' starts a comment line. A small reader of its own
// until the program's settings reader can hand over a file's sections.
std::vector<CmtSection> readCmtSections(std::string_view fileBytes);

} // namespace Lecterna
