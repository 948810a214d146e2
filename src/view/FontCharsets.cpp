#include "view/FontCharsets.h"

#include "document/EncodingMenu.h"

#include <array>

namespace Lecterna {

namespace {

constexpr std::array<FontCharsets::Charset, 11> kCharsets = {{
    {FontCharsets::kWestern, "Западноевропейский"},
    {FontCharsets::kCentralEuropean, "Центральноевропейский"},
    {FontCharsets::kCyrillic, "Кириллица"},
    {FontCharsets::kGreek, "Греческий"},
    {FontCharsets::kTurkish, "Турецкий"},
    {FontCharsets::kHebrew, "Иврит"},
    {FontCharsets::kArabic, "Арабский"},
    {FontCharsets::kBaltic, "Балтийский"},
    {FontCharsets::kVietnamese, "Вьетнамский"},
    {FontCharsets::kThai, "Тайский"},
    {FontCharsets::kOem, "OEM/DOS"},
}};

// The Windows code-page items follow the separator: Arabic, Baltic, Central European, Cyrillic,
// Greek, Hebrew, Turkish, Western European.
constexpr int kFirstCodePageItem = EncodingMenu::kSeparator + 1;
constexpr int kLastCodePageItem = EncodingMenu::kFirstCharacterMap - 1;

} // namespace

std::span<const FontCharsets::Charset> FontCharsets::all() {
    return kCharsets;
}

std::string FontCharsets::name(int charset) {
    for (const Charset& c : kCharsets)
        if (c.number == charset)
            return c.name;
    return std::to_string(charset);
}

int FontCharsets::encodingForFont(const EncodingMenu& menu, int currentEncoding, int fontCharset) {
    const bool hasCurrent = currentEncoding >= 0 && menu.canSelect(currentEncoding);
    if (hasCurrent && menu.charset(currentEncoding) == fontCharset)
        return currentEncoding;
    for (int i = kFirstCodePageItem; i <= kLastCodePageItem && i < menu.count(); ++i)
        if (menu.charset(i) == fontCharset)
            return i;
    return -1;
}

} // namespace Lecterna
