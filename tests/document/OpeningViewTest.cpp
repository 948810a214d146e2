#include "document/OpeningView.h"

#include "document/HistoryList.h"
#include "document/ParamTemplates.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

const EncodingCheck kMenu = [](int i) { return i >= 0 && i < 13 && i != 4; };

TBook request(std::string fileName, FileType type) {
    TBook b;
    b.fileName = std::move(fileName);
    b.fileType = type;
    return b;
}

} // namespace

TEST(OpeningView, DefaultEncodingOfANewBook) {
    // The "Doc" template never reads its stored encoding.
    MemorySettingsStore store;
    store.setValue("Templates", "Doc_CharacterMap", "7");
    store.setValue("Templates", "Text_CharacterMap", "6");
    ParamTemplates templates(false, 0, true);
    templates.load(store, kMenu);

    struct Case {
        TBook book;
        bool sixteenBit;
        int expected;
    };
    TBook clipboardHtml = request("/tmp/ClpLcTmp.htm", FileType::Html);
    clipboardHtml.fromClipboard = true;
    const std::vector<Case> cases = {
        {request("/b/a.ans", FileType::Text), false, 1},
        {request("/b/A.ANS", FileType::Text), false, 1},
        {request("/b.ans/a.txt", FileType::Text), false, 6},
        {request("/b/ans", FileType::Text), false, 6},
        {request("/b/a.htm", FileType::Html), false, 1},
        {clipboardHtml, false, 3},
        {request("/b/a.doc", FileType::Word), true, 1},
        {request("/b/a.doc", FileType::Doc), false, 1},
        {request("/b/a.doc", FileType::Doc), true, 2},
        {request("/b/a.nfo", FileType::Info), false, 0},
    };
    for (const Case& c : cases) {
        const TParamTemplate& t = templates.forFileType(c.book.fileType, 0);
        EXPECT_EQ(defaultEncoding(c.book, t, c.sixteenBit), c.expected) << c.book.fileName;
    }
}

TEST(OpeningView, NewBookTakesTheTemplateAndTheViewDefaults) {
    const ParamTemplates templates(false, 0, true);
    ViewDefaults d;
    d.fontName = "Liberation Sans";
    d.fontSize = 14;
    d.characterExtraMode = 1;
    d.lineSpacing = 2;
    TBook book = request("/b/a.txt", FileType::Text);
    book.description = "desc";
    const TParamTemplate& t = templates.forFileType(FileType::Text, 0);
    OpeningView v = openingView(book, nullptr, t, d, kMenu, false);
    EXPECT_FALSE(v.known);
    EXPECT_EQ(v.description, "desc");
    EXPECT_EQ(v.fontName, "Liberation Sans");
    EXPECT_EQ(v.fontHeight, 0);
    EXPECT_EQ(v.fontSize, 14);
    EXPECT_EQ(v.characterExtraMode, 1);
    EXPECT_EQ(v.lineSpacing, 2);
    EXPECT_EQ(v.encoding, 0);
    EXPECT_TRUE(v.paragraphSearchOn);
    EXPECT_TRUE(v.textJustificationOn);
    EXPECT_EQ(v.position, 0);
    EXPECT_TRUE(v.bookmarks.isEmpty());

    const TParamTemplate& def = templates.forFileType(FileType::Other, 0);
    EXPECT_FALSE(openingView(book, nullptr, def, d, kMenu, false).textJustificationOn);
}

TEST(OpeningView, KnownBookComesBackAsItWasLeft) {
    // Stored, then reopened: the letter spacing and the rest of the view follow the record.
    HistoryList h;
    BookSnapshot s;
    s.book = request("/b/a.txt", FileType::Text);
    s.secondsThisOpening = 30;
    s.characterExtraMode = 3;
    s.fontName = "Liberation Mono";
    s.fontHeight = -17;
    s.lineSpacing = 3;
    s.characterMap = 9;
    s.position = 1234;
    TBookmarkList marks;
    marks.add("m", 5);
    s.bookmarks = &marks;
    h.storeBookState(s, 25);

    const ParamTemplates templates(false, 0, true);
    const TParamTemplate& t = templates.forFileType(FileType::Text, 0);
    const TBookParam& entry = h.at(h.findInHistory(s.book)).param;
    OpeningView v = openingView(s.book, &entry, t, ViewDefaults{}, kMenu, false);
    EXPECT_TRUE(v.known);
    EXPECT_EQ(v.characterExtraMode, 3);
    EXPECT_EQ(v.fontName, "Liberation Mono");
    EXPECT_EQ(v.fontHeight, -17);
    EXPECT_EQ(v.lineSpacing, 3);
    EXPECT_EQ(v.encoding, 9);
    EXPECT_EQ(v.position, 1234);
    EXPECT_EQ(v.readingInterval, 30);
    EXPECT_EQ(v.bookmarks.positions(), marks.positions());
}

TEST(OpeningView, KnownBookFallsBackToDefaultsWhereItsRecordSaysSoOrIsOutOfRange) {
    const ParamTemplates templates(false, 0, true);
    const TParamTemplate& t = templates.forFileType(FileType::Text, 0);
    ViewDefaults d;
    d.fontName = "Liberation Sans";
    d.fontSize = 11;
    d.lineSpacing = 1;
    d.doublePageMode = true;
    TBook book = request("/b/a.txt", FileType::Text);
    book.description = "from the folder";

    TBookParam e;
    e.fontName = "";
    e.fontHeight = 20; // not a pixel height: the default size applies
    e.characterMap = 4;
    e.lineSpacing = -1;
    e.wordWrapOn = false;
    e.position = -3;
    OpeningView v = openingView(book, &e, t, d, kMenu, false);
    EXPECT_EQ(v.description, "from the folder");
    EXPECT_EQ(v.fontName, "Liberation Sans");
    EXPECT_EQ(v.fontHeight, 0);
    EXPECT_EQ(v.fontSize, 11);
    EXPECT_EQ(v.encoding, 0);
    EXPECT_EQ(v.lineSpacing, 1);
    EXPECT_TRUE(v.wordWrapOn); // two pages always wrap
    EXPECT_EQ(v.position, 0);

    e.description = "own";
    e.characterMap = 13;
    e.lineSpacing = 7;
    v = openingView(book, &e, t, d, kMenu, false);
    EXPECT_EQ(v.description, "own");
    EXPECT_EQ(v.encoding, 0);
    EXPECT_EQ(v.lineSpacing, 1);
}
