#include "view/LetterTables.h"

#include <locale.h>
#include <wctype.h>

namespace Lecterna {

namespace {

// The classification of the C.UTF-8 locale, whatever locale the program runs in.
locale_t utf8Locale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

bool LetterTables::isLetter(char32_t c) {
    if (c == U'\uFFFD')
        return false;
    const locale_t locale = utf8Locale();
    if (!locale)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return iswalpha_l(static_cast<wint_t>(c), locale) != 0;
}

LetterTable LetterTables::build(const CodePage& codePage) {
    LetterTable table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<size_t>(b)] = isLetter(codePage.toUnicode(static_cast<unsigned char>(b)));
    return table;
}

LetterTables::LetterTables(SystemCodePages pages)
    : m_oem(build(CodePage(pages.oem))), m_ansi(build(CodePage(pages.ansi))) {}

} // namespace Lecterna
