#pragma once

#include "app/SettingsStore.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Lecterna {

// A settings store over a text file in the usual profile layout: "[Section]" lines followed by
// "Key=Value" lines. It behaves as people expect from such files:
// - section and key names compare without regard to ASCII case; a section named twice is one
//   section, and of a key named twice the first occurrence is read and updated;
// - everything we do not change (sections, keys with their own spacing, ";" and "#" comments, blank
//   lines, lines that are not key=value) stays where it was when the file is written back;
// - new keys go at the end of their section (before its trailing blank lines), new sections at the
//   end of the file; erasing a section and writing it again keeps it in its place;
// - hand-written names and values are trimmed of blanks, and a value enclosed in a pair of double or
//   single quotes loses that pair. Values we write read back exactly: one that would be changed by
//   this (blanks at an end, or enclosing quotes) is written inside double quotes. A value cannot span
//   lines: line breaks and NUL in it become blanks, and invalid UTF-8 becomes U+FFFD, so the file
//   always stays readable text.
//
// The whole file is held in memory and written back by flush(), atomically. Every operation is
// linear or better in the size of what it touches: a history of 32736 books has over a million keys.
class IniFile final : public SettingsStore {
public:
    enum class LoadResult {
        Loaded,
        Missing,    // no such file: the store starts empty and creates the file when flushed
        Unreadable, // the file exists but could not be read (permissions, I/O error)
        NotText,    // NUL bytes, invalid UTF-8, or absurdly large
    };

    // An empty store tied to no file: flush() fails.
    IniFile();
    // An empty store that flush() writes to `path`.
    explicit IniFile(std::string path);
    ~IniFile() override;
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // Replaces the content by the parsed bytes. False, and the content unchanged, when the bytes are
    // not UTF-8 text.
    bool parse(std::string bytes);
    std::string render() const;

    // Reads `path` and ties the store to it. Unless the result is Loaded or Missing the store stays
    // empty and refuses to flush: a file we could not read is never replaced by defaults.
    LoadResult load(const std::string& path);

    const std::string& path() const { return m_path; }
    // True when flush() would refuse because the file could not be read.
    bool isWriteProtected() const { return m_writeProtected; }
    // True when something changed since loading or the last successful flush.
    bool isModified() const { return m_modified; }
    // The file's folder (and its parents) are created, private to the user, when first written.
    void setCreatesFolder(bool on) { m_createsFolder = on; }

    // Section names in file order, each spelled as it first appears, without erased ones.
    std::vector<std::string> sectionNames() const;

    // Names setValue() accepts: the file could not hold others. Values are always accepted.
    static bool isValidSectionName(std::string_view name);
    static bool isValidKeyName(std::string_view name);

    std::optional<std::string> value(std::string_view section, std::string_view key) const override;
    // Throws std::invalid_argument for a name that fails the checks above.
    void setValue(std::string_view section, std::string_view key, std::string_view value) override;
    std::vector<std::string> keyNames(std::string_view section) const override;
    std::vector<std::pair<std::string, std::string>> sectionValues(std::string_view section) const override;
    void eraseSection(std::string_view section) override;
    // Writes the file when something changed; true when nothing needed writing.
    bool flush() override;

private:
    std::string renderText(bool keepPlaceHolders) const;
    // Drops the lines of erased sections from memory; the rendered file stays the same.
    void compact();

    struct Content;
    std::unique_ptr<Content> m_content;
    std::string m_path;
    bool m_modified = false;
    bool m_writeProtected = false;
    bool m_createsFolder = false;
};

} // namespace Lecterna
