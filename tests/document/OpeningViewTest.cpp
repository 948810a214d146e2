#include "document/OpeningView.h"

#include "document/HistoryList.h"
#include "document/ParamTemplates.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <tuple>

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
    const TBook book = request("/b/a.txt", FileType::Text);
    OpeningView v = openingView(book, nullptr, templates[ParamTemplates::Text], d, kMenu, false);
    EXPECT_EQ(std::tie(v.known, v.fontName, v.fontHeight, v.fontSize, v.characterExtraMode, v.lineSpacing),
              std::make_tuple(false, std::string("Liberation Sans"), 0, 14, 1, 2));
    EXPECT_EQ(std::tie(v.encoding, v.paragraphSearchOn, v.textJustificationOn, v.position),
              std::make_tuple(0, true, true, 0));
    v = openingView(book, nullptr, templates[ParamTemplates::Default], d, kMenu, false);
    EXPECT_FALSE(v.textJustificationOn);
}

TEST(OpeningView, KnownBookComesBackAsItWasLeft) {
    // Stored on closing, then reopened: the letter spacing and the rest of the view follow.
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
    const TParamTemplate& t = templates[ParamTemplates::Text];
    TBookParam& e = h.at(h.findInHistory(s.book)).param;
    OpeningView v = openingView(s.book, &e, t, ViewDefaults{}, kMenu, false);
    EXPECT_EQ(std::tie(v.known, v.characterExtraMode, v.fontName, v.fontHeight, v.lineSpacing, v.encoding),
              std::make_tuple(true, 3, std::string("Liberation Mono"), -17, 3, 9));
    EXPECT_EQ(std::tie(v.position, v.readingInterval), std::make_tuple(1234, 30));
    EXPECT_EQ(v.bookmarks.positions(), marks.positions());

    // Where the record asks for the defaults, or holds what the menus do not have.
    ViewDefaults d;
    d.fontName = "Liberation Sans";
    d.fontSize = 11;
    d.doublePageMode = true;
    e.fontName = "";
    e.fontHeight = 20;  // not a height in pixels: the default size applies
    e.characterMap = 4; // a separator of the encoding menu
    e.wordWrapOn = false;
    e.position = -3;
    for (int32_t spacing : {-1, 7}) {
        e.lineSpacing = spacing;
        v = openingView(s.book, &e, t, d, kMenu, false);
        EXPECT_EQ(std::tie(v.fontName, v.fontHeight, v.fontSize, v.encoding, v.lineSpacing, v.wordWrapOn, v.position),
                  std::make_tuple(std::string("Liberation Sans"), 0, 11, 0, 1, true, 0))
            << spacing;
    }
}
