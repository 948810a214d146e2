#pragma once

#include <array>
#include <string>
#include <string_view>

namespace Lecterna {

// An 8-bit code page seen through glibc iconv: every byte value mapped once to its Unicode
// character, so that book text can stay 8-bit everywhere and be turned into Unicode only
// where it meets the screen, the clipboard or the settings files.
class CodePage {
public:
    // Builds the table for a Windows/DOS code page number (866, 1251, ...). Bytes the code
    // page leaves undefined map to U+FFFD. Unknown code pages give a Latin-1 table and
    // isValid() false.
    explicit CodePage(int number);

    int number() const { return m_number; }
    bool isValid() const { return m_valid; }

    char32_t toUnicode(unsigned char byte) const { return m_table[byte]; }
    const std::array<char32_t, 256>& table() const { return m_table; }

    // Book bytes to UTF-8, byte by byte through the table (control bytes pass unchanged).
    std::string toUtf8(std::string_view bytes) const;
    void appendUtf8(std::string_view bytes, std::string& out) const;

    // The iconv name of a code page number ("CP866"); empty for numbers iconv does not know.
    static std::string iconvName(int number);

private:
    int m_number;
    bool m_valid = false;
    std::array<char32_t, 256> m_table{};
};

// The pair of 8-bit code pages that Windows would use for this user: "OEM" for DOS texts and
// "ANSI" for Windows texts. Chosen from the locale's language (LC_ALL, LC_CTYPE, LANG), with the
// environment variables LECTERNA_OEMCP and LECTERNA_ANSICP taking precedence.
struct SystemCodePages {
    int oem = 866;
    int ansi = 1251;

    static SystemCodePages fromEnvironment();
    // The pair Windows assigns to a locale name such as "ru_RU.UTF-8" or "de_DE".
    static SystemCodePages forLocale(std::string_view localeName);
};

void appendUtf8(char32_t c, std::string& out);

} // namespace Lecterna
