#include "document/EncodingMenu.h"

#include <cstdio>

namespace Lecterna {

namespace {

std::string withCodePage(const char* caption, int codePage) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s (CP%d)", caption, codePage);
    return buf;
}

struct CodePageItem {
    const char* caption;
    int charset;
    int codePage;
};

constexpr CodePageItem kCodePageItems[] = {
    {"&Arabic (CP1256)", 178, 1256},
    {"&Baltic (CP1257)", 186, 1257},
    {"Central &European (CP1250)", 238, 1250},
    {"&Cyrillic (CP1251)", 204, 1251},
    {"&Greek (CP1253)", 161, 1253},
    {"&Hebrew (CP1255)", 177, 1255},
    {"&Turkish (CP1254)", 162, 1254},
    {"Western European (CP1252)", 0, 1252},
};

} // namespace

int EncodingMenu::charsetOfAnsiCodePage(int codePage) {
    for (const CodePageItem& c : kCodePageItems)
        if (c.codePage == codePage)
            return c.charset;
    return 1;
}

EncodingMenu::EncodingMenu(SystemCodePages pages, const std::vector<std::string>& mapNames) {
    const bool knownAnsi = pages.ansi >= 1250 && pages.ansi <= 1257;
    m_items.push_back({withCodePage("&DOS", pages.oem), kOemCharset, pages.oem});
    m_items.push_back({knownAnsi ? withCodePage("&Windows", pages.ansi) : std::string("&Windows"),
                       charsetOfAnsiCodePage(pages.ansi), pages.ansi});
    m_items.push_back({withCodePage("&Unicode", pages.oem), kOemCharset, pages.oem});
    m_items.push_back({withCodePage("Unicode \xE2\x80\x94 UTF-&8", pages.oem), kOemCharset, pages.oem});
    m_items.push_back({"-", 0, 0, true});
    for (const CodePageItem& c : kCodePageItems)
        m_items.push_back({c.caption, c.charset, c.codePage});
    for (size_t k = 0; k < mapNames.size(); ++k)
        m_items.push_back({mapNames[k], kOemCharset, pages.oem, false, k == 0});
}

int EncodingMenu::validate(int index) const {
    if (index < 0 || index >= count() || m_items[static_cast<size_t>(index)].separator)
        return kDos;
    return index;
}

} // namespace Lecterna
