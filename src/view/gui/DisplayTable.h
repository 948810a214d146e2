#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <string_view>

namespace Lecterna {

class CodePage;

// What each byte of the book looks like on screen: the character of the display code page, or,
// when all symbols are shown, a visible stand-in for the control bytes. The font metrics are
// built from this table and the painter draws from it, so layout and drawing see the same glyphs.
class DisplayTable {
public:
    // Latin-1, without stand-ins: only for tests and as a harmless starting value.
    DisplayTable();
    static DisplayTable forCodePage(const CodePage& codePage, bool showAllSymbols);

    QChar at(unsigned char byte) const { return m_chars[byte]; }
    bool showsAllSymbols() const { return m_showAll; }
    QString toQString(std::string_view bytes) const;

    // The picture DOS gave a control byte 1..31 on screen (smileys, card suits, arrows); 0 for
    // other bytes. NUL has no picture: with all symbols shown it is drawn as a blank.
    static char16_t controlPicture(unsigned char byte);

private:
    std::array<QChar, 256> m_chars{};
    bool m_showAll = false;
};

} // namespace Lecterna
