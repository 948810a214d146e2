#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace Lecterna {

// Unicode to one 8-bit code page, the way Windows shows Unicode text on an 8-bit font: a
// character the code page has becomes its byte; one it lacks becomes a near character ("..." for
// the ellipsis, '"' for curly quotes, 'e' for 'é'), or the default character '?' when there is
// none. The near characters come from glibc iconv's transliteration under the C.UTF-8 locale, so
// the result does not depend on the user's locale.
//
// Each BMP character is converted once and remembered in a table of 65536 entries that is filled
// as characters are met, so decoding a book of hundreds of megabytes costs a table look-up per
// character. Not thread-safe: one instance per thread.
class UnicodeToCodePage {
public:
    static constexpr char kDefaultChar = '?';
    // A near character may take several bytes ("(C)" for the copyright sign); at most this many.
    static constexpr int kMaxBytes = 7;

    explicit UnicodeToCodePage(int codePage);
    ~UnicodeToCodePage();
    UnicodeToCodePage(const UnicodeToCodePage&) = delete;
    UnicodeToCodePage& operator=(const UnicodeToCodePage&) = delete;

    int codePage() const { return m_codePage; }
    // False when iconv does not know the code page: then only ASCII converts, the rest is '?'.
    bool isValid() const { return m_valid; }
    // True when code units below 0x80 are their own bytes, which lets callers copy ASCII runs.
    bool asciiIsIdentity() const { return m_asciiIdentity; }

    // The bytes of one UTF-16 code unit, packed: bits 0-7 hold the count (0..kMaxBytes), the
    // following bytes hold the bytes in order. A surrogate gives the default character.
    uint64_t packed(char16_t unit) {
        if (!m_table)
            createTable();
        uint64_t e = m_table[unit];
        return e != 0 ? e : convert(unit);
    }
    // Writes the bytes of `unit` at `out` (which must have room for kMaxBytes) and returns
    // the pointer past them.
    char* write(char16_t unit, char* out) {
        uint64_t e = packed(unit);
        const int n = static_cast<int>(e & 0x7F);
        for (int k = 0; k < n; ++k) {
            e >>= 8;
            out[k] = static_cast<char>(e & 0xFF);
        }
        return out + n;
    }
    // A code point of any plane: characters beyond the BMP give the default character.
    void append(char32_t c, std::string& out);

private:
    void createTable();
    uint64_t convert(char16_t unit);

    int m_codePage;
    bool m_valid = false;
    bool m_asciiIdentity = true;
    void* m_iconv;  // iconv_t
    void* m_locale; // locale_t for transliteration
    // Entry 0 means "not converted yet"; converted entries have bit 7 set beside the count.
    std::unique_ptr<uint64_t[]> m_table;
};

} // namespace Lecterna
