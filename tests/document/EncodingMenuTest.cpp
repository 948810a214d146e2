#include "document/EncodingMenu.h"

#include <gtest/gtest.h>

using namespace Lecterna;

TEST(EncodingMenu, CaptionsCharsetsAndCodePagesFollowTheSystemPair) {
    const EncodingMenu menu({866, 1251}, {"KOI8-R", "Mac Cyrillic"});
    ASSERT_EQ(menu.count(), 15);
    struct Row {
        int index;
        const char* caption;
        int charset;
        int codePage;
    } rows[] = {
        {0, "&DOS (CP866)", 255, 866},
        {1, "&Windows (CP1251)", 204, 1251},
        {2, "&Unicode (CP866)", 255, 866},
        {3, "Unicode \xE2\x80\x94 UTF-&8 (CP866)", 255, 866},
        {5, "&Arabic (CP1256)", 178, 1256},
        {7, "Central &European (CP1250)", 238, 1250},
        {12, "Western European (CP1252)", 0, 1252},
        {13, "KOI8-R", 255, 866},
        {14, "Mac Cyrillic", 255, 866},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(menu.item(r.index).caption, r.caption) << r.index;
        EXPECT_EQ(menu.charset(r.index), r.charset) << r.index;
        EXPECT_EQ(menu.displayCodePage(r.index), r.codePage) << r.index;
    }
    EXPECT_TRUE(menu.item(4).separator);
    EXPECT_TRUE(menu.item(13).startsColumn);
    EXPECT_FALSE(menu.item(14).startsColumn);
}

TEST(EncodingMenu, WindowsItemNamesItsCodePageOnlyFor1250To1257) {
    EXPECT_EQ(EncodingMenu({850, 1252}).item(1).caption, "&Windows (CP1252)");
    EXPECT_EQ(EncodingMenu({850, 1252}).charset(1), 0);
    EXPECT_EQ(EncodingMenu({437, 874}).item(1).caption, "&Windows");
    EXPECT_EQ(EncodingMenu({437, 874}).charset(1), 1);
    EXPECT_EQ(EncodingMenu({437, 874}).item(0).caption, "&DOS (CP437)");
}

TEST(EncodingMenu, StoredIndexOutsideTheMenuOrOnTheSeparatorBecomesDos) {
    const EncodingMenu withOneMap({866, 1251}, {"A"});
    const EncodingMenu withoutMaps({866, 1251});
    struct Case {
        int stored;
        int withMap;
        int withoutMap;
    } cases[] = {{-1, 0, 0}, {0, 0, 0}, {3, 3, 3}, {4, 0, 0}, {12, 12, 12}, {13, 13, 0}, {14, 0, 0}, {1000, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(withOneMap.validate(c.stored), c.withMap) << c.stored;
        EXPECT_EQ(withoutMaps.validate(c.stored), c.withoutMap) << c.stored;
    }
}
