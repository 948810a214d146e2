#pragma once

#include "document/CodePage.h"

#include <string>
#include <vector>

namespace Lecterna {

// One item of the encoding menu. An item's position in the menu is the book's encoding index.
struct EncodingItem {
    std::string caption; // UTF-8, with '&' before the accelerator
    int charset = 0;     // character set of the reading font for this item
    int codePage = 0;    // the code page the decoded text is drawn in (0 for the separator)
    bool separator = false;
    bool startsColumn = false; // the item opens a new column of the menu
};

// The encoding menu: DOS, Windows, Unicode, UTF-8, a separator, the eight Windows code pages, and
// then the user's character maps. The same items in the same order serve every copy of the menu,
// so an index means the same everywhere and can be stored with a book.
class EncodingMenu {
public:
    static constexpr int kDos = 0;
    static constexpr int kWindows = 1;
    static constexpr int kUnicode = 2;
    static constexpr int kUtf8 = 3;
    static constexpr int kSeparator = 4;
    static constexpr int kFirstCharacterMap = 13;
    static constexpr int kOemCharset = 255;

    // `mapNames`: the names of the loaded character maps, in order (indexes 13 and up).
    explicit EncodingMenu(SystemCodePages pages, const std::vector<std::string>& mapNames = {});

    int count() const { return static_cast<int>(m_items.size()); }
    const EncodingItem& item(int index) const { return m_items.at(static_cast<size_t>(index)); }
    const std::vector<EncodingItem>& items() const { return m_items; }

    // A stored index if it names an encoding of this menu, else 0 (DOS).
    int validate(int index) const;
    // Whether the index names an encoding of this menu (the check templates take).
    bool canSelect(int index) const { return validate(index) == index; }
    // Character set and display code page of a valid index.
    int charset(int index) const { return item(index).charset; }
    int displayCodePage(int index) const { return item(index).codePage; }
    static bool isCharacterMap(int index) { return index >= kFirstCharacterMap; }

    // The font character set Windows pairs with an ANSI code page of 1250..1257; 1 otherwise.
    static int charsetOfAnsiCodePage(int codePage);

private:
    std::vector<EncodingItem> m_items;
};

} // namespace Lecterna
