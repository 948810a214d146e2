#include "app/IniFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Lecterna;
using Lecterna::Test::TempFolder;

namespace {

IniFile parsed(const std::string& text) {
    IniFile ini;
    EXPECT_TRUE(ini.parse(text));
    return ini;
}

IniFile reparsed(const IniFile& ini) {
    return parsed(ini.render());
}

} // namespace

TEST(IniFile, ReadsHandWrittenFilesAsProfileReadersDo) {
    const IniFile ini = parsed("Loose=before any section\n"
                               "[View]\n"
                               "  FontName  =  Times New Roman  \n"
                               "Quoted=\"  padded  \"\n"
                               "Single='x'\n"
                               "Half=\"open\n"
                               "Equals=a=b\n"
                               "; Comment=1\n"
                               "# Hash=1\n"
                               "=no name\n"
                               "[not a section\n"
                               "fontname=second one is ignored\n"
                               "[ common ]\r\n"
                               "Empty=\r\n"
                               "[VIEW]\n"
                               "Later=merged into View\n"
                               "FontName=also ignored\n");
    const std::vector<std::tuple<std::string, std::string, std::optional<std::string>>> cases = {
        {"view", "FONTNAME", "Times New Roman"},
        {"View", "Quoted", "  padded  "},
        {"View", "Single", "x"},
        {"View", "Half", "\"open"},
        {"View", "Equals", "a=b"},
        {"View", "Later", "merged into View"},
        {"Common", "Empty", ""},
        {"View", "; Comment", std::nullopt},
        {"View", "# Hash", std::nullopt},
        {"View", "", std::nullopt},
        {"", "Loose", std::nullopt},
        {"Missing", "FontName", std::nullopt},
    };
    for (const auto& [section, key, expected] : cases)
        EXPECT_EQ(ini.value(section, key), expected) << section << "/" << key;
    EXPECT_EQ(ini.keyNames("View"),
              (std::vector<std::string>{"FontName", "Quoted", "Single", "Half", "Equals", "Later"}));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"View", "common"}));
}

TEST(IniFile, RewritingKeepsWhatWasNotTouchedInPlace) {
    IniFile ini = parsed("; settings\n"
                         "[Common]\n"
                         "LastLoad = 1 ; stays as typed\n"
                         "odd line\n"
                         "ScrollType=2\n"
                         "\n"
                         "[View]\n"
                         "ToolBarType=3\n");
    ini.setValue("common", "scrolltype", "0");
    ini.setValue("Common", "QuickCopy", "1");
    ini.setValue("View", "ToolBarType", "3"); // unchanged: the line keeps its form, nothing to save
    ini.setValue("Alarm", "AlarmHours", "7");
    EXPECT_EQ(ini.render(), "; settings\n"
                            "[Common]\n"
                            "LastLoad = 1 ; stays as typed\n"
                            "odd line\n"
                            "ScrollType=0\n"
                            "QuickCopy=1\n"
                            "\n"
                            "[View]\n"
                            "ToolBarType=3\n"
                            "\n"
                            "[Alarm]\n"
                            "AlarmHours=7\n");

    // Line ends and a byte-order mark are kept.
    IniFile crlf = parsed("\xEF\xBB\xBF[A]\r\nX=1\r\n");
    crlf.setValue("A", "Y", "2");
    EXPECT_EQ(crlf.render(), "\xEF\xBB\xBF[A]\r\nX=1\r\nY=2\r\n");
}

TEST(IniFile, ValuesWeWriteReadBackExactly) {
    const std::vector<std::string> values = {
        "", " lead", "trail ", "\"quoted\"", "'single'", "\"", "a=b", "; not a comment", "[x]", "тест", "\t",
    };
    IniFile ini;
    for (size_t i = 0; i < values.size(); ++i)
        ini.setValue("S", "K" + std::to_string(i), values[i]);
    const IniFile back = reparsed(ini);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.value("S", "K" + std::to_string(i)), values[i]) << i;

    // What a line cannot hold is replaced, so that the file stays readable text with no new keys.
    IniFile unsafe;
    unsafe.setValue("History", "Book0Name", "a\nBook0Position=99\r");
    unsafe.setValue("History", "Book1Name", std::string("bad\xFF\0z", 6));
    const IniFile unsafeBack = reparsed(unsafe);
    EXPECT_EQ(unsafeBack.value("History", "Book0Name"), "a Book0Position=99 ");
    EXPECT_EQ(unsafeBack.value("History", "Book0Position"), std::nullopt);
    EXPECT_EQ(unsafeBack.value("History", "Book1Name"), "bad\xEF\xBF\xBD z");
}

TEST(IniFile, RefusesNamesTheFileCannotHold) {
    IniFile ini;
    for (const char* key : {"", "a=b", " lead", "trail ", ";c", "#c", "[c", "a\nb", "\xFF"})
        EXPECT_THROW(ini.setValue("S", key, "v"), std::invalid_argument) << key;
    for (const char* section : {"", "a]b", " S", "a\rb"})
        EXPECT_THROW(ini.setValue(section, "K", "v"), std::invalid_argument) << section;
    EXPECT_FALSE(ini.isModified());
}

TEST(IniFile, ErasedSectionKeepsItsPlaceWhenWrittenAgain) {
    IniFile ini = parsed("[History]\nBook0Name=a\n; old\n\n[Form1]\nLeft=1\n[history]\nBook1Name=b\n");
    ini.eraseSection("HISTORY");
    EXPECT_EQ(ini.value("History", "Book1Name"), std::nullopt);
    EXPECT_EQ(ini.render(), "[Form1]\nLeft=1\n");
    ini.setValue("History", "Book0Name", "c");
    EXPECT_EQ(ini.render(), "[History]\nBook0Name=c\n\n[Form1]\nLeft=1\n");
    EXPECT_EQ(ini.sectionValues("History"), (std::vector<std::pair<std::string, std::string>>{{"Book0Name", "c"}}));
}

TEST(IniFile, ErasingAHugeSectionFreesItAndKeepsItsPlace) {
    std::string text = "[A]\r\nx=1\r\n[History]\r\n";
    for (int i = 0; i < 5000; ++i)
        text += "Book" + std::to_string(i) + "Name=n\r\n";
    IniFile ini = parsed(text + "[B]\r\ny=2\r\n");
    ini.setValue("A", "x", " changed ");
    ini.eraseSection("History"); // most lines are now dead: the store compacts itself
    EXPECT_TRUE(ini.isModified());
    EXPECT_EQ(ini.render(), "[A]\r\nx=\" changed \"\r\n[B]\r\ny=2\r\n");
    ini.setValue("History", "Book0Name", "m");
    EXPECT_EQ(ini.render(), "[A]\r\nx=\" changed \"\r\n[History]\r\nBook0Name=m\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(ini.value("A", "x"), " changed ");
}

TEST(IniFile, LoadingSomethingThatIsNotTextNeverOverwritesIt) {
    TempFolder dir;
    const std::vector<std::string> broken = {std::string("[A]\nX=1\0\n", 9), "[A]\nX=\xC3\x28\n", "\xED\xA0\x80"};
    for (const std::string& bytes : broken) {
        const std::string file = dir.write("Lecterna.ini", bytes);
        IniFile ini;
        EXPECT_EQ(ini.load(file), IniFile::LoadResult::NotText);
        EXPECT_TRUE(ini.isWriteProtected());
        ini.setValue("A", "X", "2");
        EXPECT_FALSE(ini.flush());
        EXPECT_EQ(TempFolder::read(file), bytes);
    }
    IniFile folder;
    EXPECT_EQ(folder.load(dir.path()), IniFile::LoadResult::Unreadable);
    EXPECT_FALSE(folder.flush());

    IniFile missing;
    EXPECT_EQ(missing.load(dir / "new.ini"), IniFile::LoadResult::Missing);
    EXPECT_TRUE(missing.flush()); // nothing to write: no empty file appears
    EXPECT_FALSE(std::filesystem::exists(dir / "new.ini"));
    missing.setValue("A", "X", "1");
    EXPECT_TRUE(missing.flush());
    EXPECT_EQ(TempFolder::read(dir / "new.ini"), "[A]\nX=1\n");
}
