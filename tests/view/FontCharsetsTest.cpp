#include "view/FontCharsets.h"

#include "document/EncodingMenu.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using F = FontCharsets;

namespace {

constexpr int kDos = 0, kWindows = 1, kCentralEuropean = 7, kCyrillic = 8, kGreek = 9, kWestern = 12, kFirstMap = 13;

} // namespace

TEST(FontCharsets, TheEncodingFollowsTheFontsCharacterSet) {
    const EncodingMenu menu(SystemCodePages{866, 1251}, {"KOI8-R"});
    struct Case {
        const char* what;
        int current;
        int charset;
        int expected;
    } cases[] = {
        {"Greek font over Cyrillic", kCyrillic, F::kGreek, kGreek},
        {"the Windows item already carries Cyrillic", kWindows, F::kCyrillic, kWindows},
        {"DOS keeps an OEM font", kDos, F::kOem, kDos},
        {"a character map keeps an OEM font", kFirstMap, F::kOem, kFirstMap},
        {"an OEM font has no code-page item", kCyrillic, F::kOem, -1},
        {"Thai has no item", kCyrillic, F::kThai, -1},
        {"from none to Central European", -1, F::kCentralEuropean, kCentralEuropean},
        {"Western is the last item", kDos, F::kWestern, kWestern},
        {"an index the menu lacks counts as no item", 40, F::kCyrillic, kCyrillic},
    };
    for (const Case& c : cases)
        EXPECT_EQ(F::encodingForFont(menu, c.current, c.charset), c.expected) << c.what;
}
