#pragma once

#include <array>
#include <string_view>

namespace Lecterna {

// The five line spacings of the "&Абзац" menu, the row height they give, and how many rows make
// a page. The stored `LineSpacing` of a book is the position of its item in this table.
class LineSpacing {
public:
    static constexpr int kCount = 5;
    static constexpr int kCustom = 4;

    struct Item {
        std::string_view caption;  // menu caption with its accelerator
        std::string_view shortcut; // key sequence in portable text form
        int tenths;                // row height in tenths of the text height
    };

    // The table, the custom item carrying `userLineSpacing` tenths.
    static std::array<Item, kCount> items(int userLineSpacing);
    // Tenths for a stored index; indexes outside the table read as single spacing.
    static int tenths(int index, int userLineSpacing);

    // Text height x tenths / 10, rounded halves to even; at least 1, so that a page can always
    // be counted in rows.
    static int rowHeight(int textHeight, int tenths);

    // Rows of a page: whole rows of the client height, plus one more when the part of a row left
    // over is tall enough to read (at least twice the character height).
    static int linesPerPage(int clientHeight, int rowHeight, int charHeight);
};

} // namespace Lecterna
