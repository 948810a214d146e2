#include "app/Settings.h"

#include "app/ColorRef.h"
#include "app/IniFile.h"
#include "app/StoredDate.h"

#include <gtest/gtest.h>

using namespace Lecterna;
using K = Settings::Key;

namespace {

Settings::Environment environment() {
    Settings::Environment env;
    env.windowTextColour = 0x102030;
    env.windowColour = 0xF0E0D0;
    env.highlightColour = 0x3399FF;
    env.fontSmoothing = false;
    env.screenWidth = 1280;
    env.today = *daysFromDate(2024, 3, 15);
    env.exeDir = "/opt/lecterna/";
    env.documentsFolder = "/home/reader/Documents";
    return env;
}

Settings loaded(const std::string& ini, const Settings::Environment& env = environment()) {
    IniFile store;
    EXPECT_TRUE(store.parse(ini));
    Settings s;
    s.load(store, env);
    return s;
}

} // namespace

TEST(Settings, DefaultsComeFromTheTableAndTheSystem) {
    const Settings s = loaded("");
    EXPECT_EQ(s.colour(K::UserColors_Text), 0x102030u);
    EXPECT_EQ(s.colour(K::UserColors_Background), 0xF0E0D0u);
    EXPECT_EQ(s.colour(K::UserColors_ScrollProgressBar), 0x3399FFu);
    EXPECT_FALSE(s.flag(K::FontSmoothing));
    EXPECT_EQ(s.text(K::LastPath), "/opt/lecterna/");
    EXPECT_EQ(s.text(K::FavoriteFolder), "/home/reader/Documents");
    EXPECT_EQ(s.date(K::LastProgramStart), environment().today - 11);

    // Without an office suite nothing can convert documents, so the built-in reader is used.
    EXPECT_EQ(s.integer(K::Cooperation), 0);
    EXPECT_TRUE(s.flag(K::DocParam_UseConverter));
    Settings::Environment withOffice = environment();
    withOffice.officeSuiteFound = true;
    const Settings o = loaded("", withOffice);
    EXPECT_EQ(o.integer(K::Cooperation), 1);
    EXPECT_FALSE(o.flag(K::DocParam_UseConverter));
    EXPECT_EQ(loaded("[Word97Param]\nCooperation=2\n", withOffice).integer(K::Cooperation), 2);
}

TEST(Settings, StoredValuesAreChecked) {
    struct Case {
        K key;
        const char* stored;
        int expected;
    };
    const std::vector<Case> cases = {
        {K::HistoryLimit, "10", 25},
        {K::HistoryLimit, "40000", 32736},
        {K::DefaultView_FontSize, "0", 12},
        {K::DefaultView_FontSize, "-3", 12},
        {K::DefaultView_CharacterExtraMode, "7", 2},
        {K::DefaultView_CharacterExtraMode, "3", 3},
        {K::DefaultView_LineSpacing, "7", 4},
        {K::DefaultView_LineSpacing, "-1", 0},
        {K::CharacterExtraCondensed, "300", 255}, // a byte, held rather than wrapped
        {K::StartFolder, "5", 0},
        {K::DescriptionPosition, "-4", 0},
        {K::DesignStyle, "3", 0}, // a texture style without a texture
        {K::Cooperation, "7", 0}, // unknown: detected as if missing
    };
    for (const Case& c : cases) {
        const std::string ini = "[" + std::string(Settings::sectionName(c.key)) + "]\n" +
                                std::string(Settings::keyName(c.key)) + "=" + c.stored + "\n";
        EXPECT_EQ(loaded(ini).integer(c.key), c.expected) << ini;
    }
    EXPECT_EQ(
        loaded("[View]\nUserColors_TextureFileName=/p.jpg\n[Word97Param]\nDesignStyle=3\n").integer(K::DesignStyle), 3);
    EXPECT_EQ(loaded("[View]\nDefaultView_FontName=\n").text(K::DefaultView_FontName), "Arial");
}

TEST(Settings, RulesThatDependOnTheSystemOrOtherKeys) {
    // The stored tool bar is used only on a screen at least 800 pixels wide.
    Settings::Environment narrow = environment();
    narrow.screenWidth = 640;
    EXPECT_EQ(loaded("[View]\nToolBarType=4\n", narrow).integer(K::ToolBarType), 2);
    narrow.screenWidth = 800;
    EXPECT_EQ(loaded("[View]\nToolBarType=4\n", narrow).integer(K::ToolBarType), 4);

    EXPECT_EQ(loaded("[Common]\nScrollType=3\n[View]\nDoublePageMode=1\n").integer(K::ScrollType), 0);
    EXPECT_EQ(loaded("[Common]\nScrollType=3\n").integer(K::ScrollType), 3);

    // LastPath is read only for "last folder" start folders, not with Shift, and not a network path
    // for StartFolder 1.
    struct Case {
        const char* open;
        bool shift;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"StartFolder=0\nLastPath=/books/", false, "/books/"},
        {"StartFolder=0\nLastPath=/books/", true, "/opt/lecterna/"},
        {"StartFolder=2\nLastPath=/books/", false, "/opt/lecterna/"},
        {"StartFolder=0\nLastPath=", false, "/opt/lecterna/"},
        {"StartFolder=0\nLastPath=//server/books", false, "//server/books"},
        {"StartFolder=1\nLastPath=//server/books", false, "/opt/lecterna/"},
    };
    for (const Case& c : cases) {
        Settings::Environment env = environment();
        env.shiftHeld = c.shift;
        EXPECT_EQ(loaded(std::string("[Open]\n") + c.open + "\n", env).text(K::LastPath), c.expected) << c.open;
    }
}

TEST(Settings, ColoursAndDatesKeepTheirStoredForms) {
    // 0x000000FF is red in the stored layout; 0x80000008 names the system's window-text colour.
    const Settings s = loaded("[Common]\nLastProgramStart=05.03.2024\n"
                              "[View]\nUserColors_Text=255\nUserColors_Background=$80000008\n"
                              "UserColors_ScrollProgressBar=-5\n");
    EXPECT_EQ(s.colour(K::UserColors_Text), 0xFF0000u);
    EXPECT_EQ(s.colour(K::UserColors_Background), 0x102030u);
    EXPECT_EQ(s.colour(K::UserColors_ScrollProgressBar), 0x3399FFu); // not a colour: the default
    EXPECT_EQ(s.date(K::LastProgramStart), *daysFromDate(2024, 3, 5));
    EXPECT_EQ(loaded("[Common]\nLastProgramStart=2024-02-30\n").date(K::LastProgramStart), environment().today - 11);

    IniFile store;
    s.save(store, *daysFromDate(2024, 3, 16));
    EXPECT_EQ(store.value("View", "UserColors_Text"), "255");
    EXPECT_EQ(store.value("Common", "LastProgramStart"), "2024-03-16");
    EXPECT_EQ(colorRefFromRgb(0x123456), 0x563412u);
}

TEST(Settings, SaveWritesEveryKeyInTableOrderAndLoadsBack) {
    Settings s = loaded("");
    s.setFlag(K::LastLoad, true);
    s.setInteger(K::HistoryLimit, 100);
    s.setInteger(K::DefaultView_LineSpacing, 9); // clamped on setting too
    s.setText(K::DefaultView_FontName, "Liberation Serif");
    s.setColour(K::UserColors_Background, 0xABCDEF);
    s.setArchiverPaths({"/usr/bin", "/opt/arc"});
    IniFile store;
    ASSERT_TRUE(store.parse("[Archiver]\nPath0=/old\nPath7=/gone\n"));
    s.save(store, environment().today);

    const std::vector<std::string> common = store.keyNames("Common");
    ASSERT_EQ(common.size(), 12u);
    EXPECT_EQ(common.front(), "LastProgramStart");
    EXPECT_EQ(common.back(), "ExcapeKeyAction");
    EXPECT_EQ(store.keyNames("Archiver"), (std::vector<std::string>{"Path0", "Path1"}));

    IniFile back;
    ASSERT_TRUE(back.parse(store.render()));
    Settings r;
    r.load(back, environment());
    for (size_t i = 0; i < Settings::KeyCount; ++i) {
        const auto key = static_cast<K>(i);
        switch (Settings::type(key)) {
        case Settings::Type::Text: EXPECT_EQ(r.text(key), s.text(key)) << Settings::keyName(key); break;
        case Settings::Type::Date: EXPECT_EQ(r.date(key), environment().today); break;
        case Settings::Type::Flag: EXPECT_EQ(r.flag(key), s.flag(key)) << Settings::keyName(key); break;
        case Settings::Type::Colour: EXPECT_EQ(r.colour(key), s.colour(key)) << Settings::keyName(key); break;
        case Settings::Type::Integer: EXPECT_EQ(r.integer(key), s.integer(key)) << Settings::keyName(key); break;
        }
    }
    EXPECT_EQ(r.integer(K::DefaultView_LineSpacing), 4);
    EXPECT_EQ(r.archiverPaths(), (std::vector<std::string>{"/usr/bin", "/opt/arc"}));
}

TEST(Settings, ArchiverFoldersAreTheEntriesNamedPath) {
    const Settings s = loaded("[Archiver]\nPath0=/srv/arc\nComment=not a folder\nMyPathX=/x\npath1=/lower\n");
    EXPECT_EQ(s.archiverPaths(), (std::vector<std::string>{"/srv/arc", "/x"}));
}
