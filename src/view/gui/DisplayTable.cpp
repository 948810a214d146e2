#include "view/gui/DisplayTable.h"

#include "document/CodePage.h"

namespace Lecterna {

namespace {

// Control bytes 1..31 as the PC's text-mode character generator drew them. No conversion yields
// these: in every code page the bytes are control codes, and a Unicode font has nothing to draw
// for U+0001..U+001F. Readers of old DOS texts know them in this form, so with all symbols shown
// we draw these characters instead.
constexpr char16_t kControlPictures[32] = {
    0,      // 00 NUL: drawn as a blank
    0x263A, // 01 white smiling face
    0x263B, // 02 black smiling face
    0x2665, // 03 heart
    0x2666, // 04 diamond
    0x2663, // 05 club
    0x2660, // 06 spade
    0x2022, // 07 bullet
    0x25D8, // 08 inverse bullet
    0,      // 09 TAB: always a tab
    0x25D9, // 0A inverse white circle
    0x2642, // 0B male sign
    0x2640, // 0C female sign
    0x266A, // 0D eighth note
    0x266B, // 0E beamed eighth notes
    0x263C, // 0F sun with rays
    0x25BA, // 10 right-pointing pointer
    0x25C4, // 11 left-pointing pointer
    0x2195, // 12 up down arrow
    0x203C, // 13 double exclamation mark
    0x00B6, // 14 pilcrow
    0x00A7, // 15 section sign
    0x25AC, // 16 black rectangle
    0x21A8, // 17 up down arrow with base
    0x2191, // 18 up arrow
    0x2193, // 19 down arrow
    0x2192, // 1A right arrow
    0x2190, // 1B left arrow
    0x221F, // 1C right angle
    0x2194, // 1D left right arrow
    0x25B2, // 1E black up-pointing triangle
    0x25BC, // 1F black down-pointing triangle
};

} // namespace

DisplayTable::DisplayTable() {
    for (int b = 0; b < 256; ++b)
        m_chars[b] = QChar(static_cast<char16_t>(b));
}

DisplayTable DisplayTable::forCodePage(const CodePage& codePage, bool showAllSymbols) {
    DisplayTable t;
    t.m_showAll = showAllSymbols;
    for (int b = 0; b < 256; ++b) {
        const char32_t c = codePage.toUnicode(static_cast<unsigned char>(b));
        // Every code page we read lies in the Basic Multilingual Plane; anything else is a bug
        // upstream and shows as the replacement character rather than half a surrogate pair.
        t.m_chars[b] = QChar(static_cast<char16_t>(c <= 0xFFFF ? c : 0xFFFD));
    }
    if (showAllSymbols) {
        t.m_chars[0] = QChar(u' ');
        for (int b = 1; b < 32; ++b)
            if (char16_t picture = kControlPictures[b])
                t.m_chars[b] = QChar(picture);
    }
    return t;
}

char16_t DisplayTable::controlPicture(unsigned char byte) {
    return byte < 32 ? kControlPictures[byte] : 0;
}

QString DisplayTable::toQString(std::string_view bytes) const {
    QString s(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = s.data();
    for (unsigned char b : bytes)
        *out++ = m_chars[b];
    return s;
}

} // namespace Lecterna
