#include "document/UnicodeToCodePage.h"

#include "document/CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <locale.h>

namespace Lecterna {

namespace {

constexpr uint64_t kKnown = 0x80;

uint64_t packBytes(const char* bytes, size_t count) {
    uint64_t e = kKnown | count;
    for (size_t k = 0; k < count; ++k)
        e |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[k])) << (8 * (k + 1));
    return e;
}

const uint64_t kDefaultEntry = packBytes(&UnicodeToCodePage::kDefaultChar, 1);

iconv_t asIconv(void* p) {
    return static_cast<iconv_t>(p);
}
const iconv_t kNoIconv = reinterpret_cast<iconv_t>(-1);

} // namespace

UnicodeToCodePage::UnicodeToCodePage(int codePage) : m_codePage(codePage), m_iconv(kNoIconv), m_locale(nullptr) {
    const CodePage table(codePage);
    for (int b = 0; b < 0x80; ++b)
        if (table.toUnicode(static_cast<unsigned char>(b)) != static_cast<char32_t>(b))
            m_asciiIdentity = false;
    const std::string name = CodePage::iconvName(codePage);
    if (name.empty())
        return;
    iconv_t cd = iconv_open((name + "//TRANSLIT").c_str(), "UTF-32LE");
    if (cd == kNoIconv)
        return;
    m_iconv = cd;
    m_valid = true;
    // Transliteration follows the LC_CTYPE locale of the thread. The program's own locale may be
    // anything (the GUI sets it from the environment), so conversions switch to C.UTF-8, whose
    // tables strip accents as well as mapping punctuation.
    m_locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
}

UnicodeToCodePage::~UnicodeToCodePage() {
    if (m_iconv != kNoIconv)
        iconv_close(asIconv(m_iconv));
    if (m_locale)
        freelocale(static_cast<locale_t>(m_locale));
}

void UnicodeToCodePage::createTable() {
    m_table = std::make_unique<uint64_t[]>(0x10000);
    // The code page's own characters first, straight from its byte table: no iconv call and no
    // doubt about which byte a character gets when iconv knows several.
    const CodePage table(m_codePage);
    for (int b = 255; b >= 0; --b) {
        const char32_t u = table.toUnicode(static_cast<unsigned char>(b));
        if (u < 0x10000 && u != U'\uFFFD' && (m_valid || u < 0x80)) {
            const char byte = static_cast<char>(b);
            m_table[u] = packBytes(&byte, 1);
        }
    }
    for (char32_t s = 0xD800; s < 0xE000; ++s)
        m_table[s] = kDefaultEntry;
}

uint64_t UnicodeToCodePage::convert(char16_t unit) {
    uint64_t e = kDefaultEntry;
    if (m_valid) {
        char32_t in = unit;
        char* inp = reinterpret_cast<char*>(&in);
        size_t inLeft = sizeof in;
        char out[32];
        char* outp = out;
        size_t outLeft = sizeof out;
        const locale_t previous = m_locale ? uselocale(static_cast<locale_t>(m_locale)) : nullptr;
        const size_t r = iconv(asIconv(m_iconv), &inp, &inLeft, &outp, &outLeft);
        if (r != static_cast<size_t>(-1))
            iconv(asIconv(m_iconv), nullptr, nullptr, &outp, &outLeft);
        iconv(asIconv(m_iconv), nullptr, nullptr, nullptr, nullptr);
        if (previous)
            uselocale(previous);
        const size_t produced = sizeof out - outLeft;
        // Characters without any near form (zero-width spaces, the byte-order mark) vanish, as
        // they are invisible anyway; a near form longer than we keep falls back to '?'.
        if (r != static_cast<size_t>(-1) && produced <= static_cast<size_t>(kMaxBytes))
            e = packBytes(out, produced);
    }
    m_table[unit] = e;
    return e;
}

void UnicodeToCodePage::append(char32_t c, std::string& out) {
    char buf[kMaxBytes];
    char* end = c < 0x10000 ? write(static_cast<char16_t>(c), buf) : (buf[0] = kDefaultChar, buf + 1);
    out.append(buf, end);
}

} // namespace Lecterna
