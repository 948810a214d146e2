#include "document/FileTypes.h"

#include <gtest/gtest.h>

using namespace Lecterna;

TEST(FileTypes, NamesGetTheirTypeByTheMasks) {
    const FileTypes::Switches plain{};
    struct Case {
        const char* name;
        FileType type;
    } cases[] = {
        {"/books/War and Peace.TXT", FileType::Text}, {"a.ans", FileType::Text},
        {"page.html", FileType::Html},                {"page.shtml", FileType::Html},
        {"page.htm", FileType::Html},                 {"page.php3", FileType::Html},
        {"file_id.diz", FileType::Info},              {"read.me", FileType::Info},
        {"report.doc", FileType::Doc},                {"report.docx", FileType::Other},
        {"archive.zip", FileType::Other},             {"noextension", FileType::Other},
        {"/dir.txt/file", FileType::Other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileTypes::forFileName(c.name, plain), c.type) << c.name;
}

TEST(FileTypes, SwitchesDecideWhoReadsHtmlAndDocuments) {
    FileTypes::Switches s;
    s.htmlConverter = false;
    EXPECT_EQ(FileTypes::forFileName("page.html", s), FileType::Other);
    s.cooperation = 1;
    EXPECT_EQ(FileTypes::forFileName("report.doc", s), FileType::Word);
    EXPECT_EQ(FileTypes::forFileName("report.rtf", s), FileType::Word);
    s = {};
    s.docConverter = false;
    EXPECT_EQ(FileTypes::forFileName("report.doc", s), FileType::Other);
}

TEST(FileTypes, WildcardsMatchAnyRunAndOneCharacter) {
    EXPECT_TRUE(FileTypes::matchesMask("abc.xhtml", "*.?html*"));
    EXPECT_FALSE(FileTypes::matchesMask("abc.html", "*.?html*"));
    EXPECT_TRUE(FileTypes::matchesMask("a.b.c", "*.c"));
    EXPECT_FALSE(FileTypes::matchesMask("a.cc", "*.c"));
    EXPECT_TRUE(FileTypes::matchesMask("", "*"));
}
