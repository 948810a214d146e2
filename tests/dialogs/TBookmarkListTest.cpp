#include "dialogs/TBookmarkList.h"

#include "document/CodePage.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {
using Pairs = std::vector<std::pair<std::string, int32_t>>;

Pairs pairs(const TBookmarkList& list) {
    Pairs out;
    for (int i = 0; i < list.count(); ++i)
        out.emplace_back(list.title(i), list.position(i));
    return out;
}
} // namespace

TEST(TBookmarkList, SavesUnderItsKeysAndLoadsUpToTheFirstGap) {
    MemorySettingsStore store;
    TBookmarkList list;
    list.add("Глава 1", 0);
    list.add("Глава 1", 0); // duplicates are kept
    list.add("Эпилог", -2);
    list.save(store, "History", "Book3");
    EXPECT_EQ(store.value("History", "Book3BookMark2Title"), "Эпилог");
    EXPECT_EQ(store.value("History", "Book3BookMark2Position"), "-2");
    TBookmarkList loaded;
    loaded.load(store, "History", "Book3");
    EXPECT_EQ(pairs(loaded), pairs(list));

    // An empty title or a position of -1 ends the list, whatever follows.
    store.setValue("History", "Book3BookMark1Title", "");
    loaded.clear();
    loaded.load(store, "History", "Book3");
    EXPECT_EQ(pairs(loaded), (Pairs{{"Глава 1", 0}}));
    store.setValue("History", "Book3BookMark0Position", "-1");
    loaded.clear();
    loaded.load(store, "History", "Book3");
    EXPECT_TRUE(loaded.isEmpty());
}

TEST(TBookmarkList, DefaultTitleIsCutDecodedAndCleaned) {
    const CodePage cp866(866);
    const std::string hundred = "   " + std::string(97, 'x');
    const std::string cyrillic(70, '\xAF'); // CP866 'п', two bytes in UTF-8
    std::string cyrillicUtf8;
    for (int i = 0; i < 60; ++i)
        cyrillicUtf8 += "п";
    struct Case {
        std::string line;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {hundred, std::string(57, 'x')}, // cut to 60 bytes first, then leading blanks go
        {"      ", ""},
        {"\t \x01Title", "Title"},
        {"a\tb\x1f"
         "c  ",
         "a b c  "}, // inner controls become spaces, the end is not trimmed
        {std::string("a\0b", 3), "a b"},
        {cyrillic, cyrillicUtf8}, // 60 characters, not 60 bytes of UTF-8
    };
    for (const Case& c : cases)
        EXPECT_EQ(TBookmarkList::defaultTitle(c.line, cp866), c.expected) << c.line;
}

TEST(TBookmarkList, RescalesPositionsAfterANewLayout) {
    struct Case {
        int64_t oldCount, newCount;
        int32_t before, after;
    };
    const std::vector<Case> cases = {
        {2000, 1000, 999, 499},
        {2000, 1000, 0, 0},
        {0, 1000, 999, 999},              // no old layout: nothing to scale from
        {49, 1, 49, 0},                   // the quotient is taken first: 49 * (1/49) < 1
        {1, 4, 2'000'000'000, INT32_MAX}, // beyond the 32-bit range: pinned
        {1, 4, -2'000'000'000, INT32_MIN},
    };
    for (const Case& c : cases) {
        TBookmarkList list;
        list.add("t", c.before);
        list.rescale(c.oldCount, c.newCount);
        EXPECT_EQ(list.position(0), c.after) << c.oldCount << "->" << c.newCount << " p=" << c.before;
    }
}

TEST(TBookmarkList, RefusesBeyondTheLimitWithItsMessage) {
    TBookmarkList list;
    for (int i = 0; i < TBookmarkList::kMaxBookmarks - 1; ++i)
        list.add("t", i);
    EXPECT_TRUE(list.canAdd());
    list.add("t", 0);
    EXPECT_FALSE(list.canAdd());
    EXPECT_EQ(TBookmarkList::limitMessage(), "Максимальное число закладок в одном файле равно 32736.");
    // A translated format is filled in, never interpreted beyond its first %d.
    EXPECT_EQ(TBookmarkList::limitMessage("%s max %d %d"), "%s max 32736 %d");
}
