#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Lecterna {

// One hierarchical store of sections and named values: the INI file beside the program or the
// per-user store. Section and key names compare without regard to case. Values are UTF-8 text;
// integers are decimal text and flags "1"/"0". Changes stay in memory until flush().
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The value as written, or nothing when the section or key is missing.
    virtual std::optional<std::string> value(std::string_view section, std::string_view key) const = 0;
    virtual void setValue(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Key names of a section, in file order (the first occurrence of a repeated key only).
    virtual std::vector<std::string> keyNames(std::string_view section) const = 0;
    // name=value pairs of a section, in file order (the first occurrence of a repeated key only).
    virtual std::vector<std::pair<std::string, std::string>> sectionValues(std::string_view section) const = 0;
    virtual void eraseSection(std::string_view section) = 0;
    // Writes the store to disk atomically. False (and the file on disk untouched) on failure.
    virtual bool flush() = 0;

    // Typed reads apply the default when the key is missing or does not parse.
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    int readInteger(std::string_view section, std::string_view key, int def) const;
    bool readFlag(std::string_view section, std::string_view key, bool def) const;
    void writeString(std::string_view section, std::string_view key, std::string_view v) { setValue(section, key, v); }
    void writeInteger(std::string_view section, std::string_view key, int v);
    void writeFlag(std::string_view section, std::string_view key, bool v) { setValue(section, key, v ? "1" : "0"); }
};

// Parses a stored integer: optional sign, then decimal digits, or "$"/"0x" and hex digits,
// surrounding blanks allowed. Nothing else.
std::optional<int> parseStoredInteger(std::string_view text);

} // namespace Lecterna
