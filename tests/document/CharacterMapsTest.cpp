#include "document/CharacterMaps.h"
#include "document/EncodingMenu.h"
#include "support/TestText.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace Lecterna;

TEST(CharacterMaps, MappingEntriesAreHexBytesWithEmptyZeroAndOddOnesSpaces) {
    struct Case {
        std::string value;
        size_t entry;
        int expected;
    } cases[] = {
        {"41", 0, 0x41},         {"41,,42", 1, 0x00}, {"41,,42", 2, 0x42}, {"zz,42", 0, ' '},     {" 41", 0, ' '},
        {"41 ", 0, ' '},         {"$41", 0, ' '},     {"141", 0, 0x41},    {"FFFFFFFF", 0, 0xFF}, {"100000000", 0, ' '},
        {"0000000041", 0, 0x41}, {"41,42", 2, ' '},   {"41,", 1, ' '},     {"ab,Cd", 1, 0xCD},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CharacterMaps::parseMapping(c.value)[c.entry], c.expected) << c.value << " #" << c.entry;

    std::string twoHundred;
    for (int i = 0; i < 200; ++i)
        twoHundred += (i ? ",7" : "7");
    const CharacterMap map = CharacterMaps::parseMapping(twoHundred);
    EXPECT_EQ(map[199], 7);
    EXPECT_EQ(map[200], ' ');
    EXPECT_EQ(map[255], ' ');
}

TEST(CharacterMaps, SectionsWithoutMappingAreSkippedAndBrokenOnesReportedWhileTheRestLoads) {
    const std::string binary("41,\x01\x02", 5);
    const CharacterMaps maps = CharacterMaps::load({
        {"A", std::string("61,62")},
        {"B", std::nullopt},
        {"Broken", binary},
        {"Empty", std::string()},
        {"Huge", std::string(5000, '4')},
        {"C", std::string("41")},
    });
    ASSERT_EQ(maps.names(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(maps.map(0)[1], 0x62);
    EXPECT_EQ(maps.translate(1, std::string("\0\x01", 2)), "A ");
    ASSERT_EQ(maps.errors().size(), 2u);
    EXPECT_EQ(maps.errors()[0], "Ошибка загрузки таблицы символов:\nBroken\n\nЗначение Mapping не является текстом");
    EXPECT_EQ(maps.errors()[1].rfind("Ошибка загрузки таблицы символов:\nHuge\n\n", 0), 0u);

    // The loaded maps follow the built-in items: A is 13 and starts a column, C is 14.
    const EncodingMenu menu({866, 1251}, maps.names());
    EXPECT_EQ(menu.validate(14), 14);
    EXPECT_EQ(menu.validate(15), 0);
    EXPECT_TRUE(menu.item(13).startsColumn);
}

TEST(CharacterMaps, ReadsSectionsLikeTheProfileReader) {
    const std::vector<CmtSection> sections = readCmtSections("\xEF\xBB\xBF; maps\r\n"
                                                             "[ First ]\r\n"
                                                             "Other=1\r\n"
                                                             "mapping = \"41,42\" \r\n"
                                                             "Mapping=43\r\n"
                                                             "[NoMap]\n"
                                                             "[Last]\n"
                                                             "MAPPING=44");
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].name, "First");
    EXPECT_EQ(sections[0].mapping, "41,42");
    EXPECT_EQ(sections[1].mapping, std::nullopt);
    EXPECT_EQ(sections[2].mapping, "44");
}

TEST(CharacterMaps, ShippedMapsShowCyrillicBooksInTheDosCodePage) {
    std::ifstream file(LECTERNA_SOURCE_DIR "/data/Lecterna.cmt", std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    const CharacterMaps maps = CharacterMaps::load(readCmtSections(content.str()));
    EXPECT_TRUE(maps.errors().empty());
    ASSERT_EQ(maps.names(), (std::vector<std::string>{"KOI8-R", "KOI8-U", "ISO-8859-5", "Mac Cyrillic"}));
    const char* charsets[] = {"KOI8-R", "KOI8-U", "ISO-8859-5", "MAC-CYRILLIC"};
    const std::string pangram = "Съешь же ещё этих мягких французских булок, да выпей чаю! "
                                "ЭХ, ЧУЖАК, ОБЩИЙ СЪЁМ ЦЕН ШЛЯП (ЮФТЬ) - ВДРЫЗГ!";
    const std::string expected = Fixture::encode(pangram, "CP866");
    for (size_t k = 0; k < maps.count(); ++k)
        EXPECT_EQ(maps.translate(k, Fixture::encode(pangram, charsets[k])), expected) << charsets[k];
}
