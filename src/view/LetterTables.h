#pragma once

#include "document/CodePage.h"

#include <array>

namespace Lecterna {

// Which of the 256 bytes of a code page are letters.
using LetterTable = std::array<bool, 256>;

// The letter tables of the system's two code pages, built once at start from the code page tables
// and the Unicode character classes: paragraph recognition asks them whether a line begins with a
// letter.
class LetterTables {
public:
    explicit LetterTables(SystemCodePages pages);

    const LetterTable& oem() const { return m_oem; }
    const LetterTable& ansi() const { return m_ansi; }
    // The table for text drawn with a font of this character set: OEM for 255, else ANSI.
    const LetterTable& forCharset(int charset) const { return charset == 255 ? m_oem : m_ansi; }

    static LetterTable build(const CodePage& codePage);
    // The Unicode letter test (any alphabetic character of any script).
    static bool isLetter(char32_t c);

private:
    LetterTable m_oem;
    LetterTable m_ansi;
};

} // namespace Lecterna
