#include "app/SettingsLocation.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include <sys/stat.h>

using namespace Lecterna;
using Lecterna::Test::TempFolder;

TEST(SettingsMode, ProbesTheSwitchAndThePerUserStore) {
    struct Case {
        std::optional<std::string> ini;
        bool userFileExists;
        bool inRegistry, keyExists;
    };
    const std::vector<Case> cases = {
        {std::nullopt, true, false, false},
        {"[IniMode]\nInRegistry=0\n", true, false, false},
        {"[inimode]\ninregistry=1\n", false, true, false},
        {"[IniMode]\nInRegistry=1\n", true, true, true},
        {std::string("[IniMode]\nInRegistry=1\n\0", 25), true, false, false}, // unreadable switch: off
    };
    for (const Case& c : cases) {
        TempFolder exe, home;
        if (c.ini)
            exe.write("Lecterna.ini", *c.ini);
        if (c.userFileExists)
            home.write("Lecterna/Lecterna.ini", "");
        const SettingsMode mode = probeSettingsMode(exe.path(), home / "Lecterna/Lecterna.ini");
        EXPECT_EQ(mode.iniFileName, exe / "Lecterna.ini");
        EXPECT_FALSE(mode.onCdRom);
        EXPECT_EQ(mode.inRegistry, c.inRegistry) << c.ini.value_or("(none)");
        EXPECT_EQ(mode.registryKeyExists, c.keyExists) << c.ini.value_or("(none)");
    }
    EXPECT_FALSE(isFolderWritable("/proc/")); // even for root
}

TEST(SettingsLocation, ChoosesTheStoreByTheMode) {
    TempFolder dir;
    const std::string ini = dir / "Lecterna.ini", user = dir / "user/Lecterna.ini";
    struct Case {
        bool onCdRom, inRegistry, keyExists;
        std::string read;
        std::optional<std::string> write;
    };
    const std::vector<Case> cases = {
        {false, false, false, ini, ini}, {false, true, false, ini, user},
        {false, true, true, user, user}, {true, false, false, ini, std::nullopt}, // nothing is ever written
        {true, true, false, ini, user},  {true, true, true, user, user},
    };
    for (const Case& c : cases) {
        SettingsLocation location(SettingsMode{ini, c.onCdRom, c.inRegistry, c.keyExists}, user);
        EXPECT_EQ(location.openSettingsForRead()->path(), c.read);
        const auto store = location.openSettingsForWrite();
        EXPECT_EQ(store ? std::optional(store->path()) : std::nullopt, c.write);
    }
}

TEST(SettingsLocation, BrokenFileIsRenamedAsideAndReportedOnce) {
    TempFolder dir;
    const std::string broken = "[View]\nToolBarType=\xFF\n";
    const std::string ini = dir.write("Lecterna.ini", broken);
    SettingsLocation location(SettingsMode{ini, false, false, false}, dir / "user.ini");

    auto store = location.openSettingsForWrite();
    EXPECT_EQ(store->value("View", "ToolBarType"), std::nullopt);
    const auto files = dir.list();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(std::regex_match(files[0], std::regex(R"(Lecterna\.ini\.broken-\d{8}-\d{6})"))) << files[0];
    EXPECT_EQ(TempFolder::read(dir / files[0]), broken);
    const auto messages = location.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Файл настроек \"" + ini + "\" повреждён и сохранён как \"" + (dir / files[0]) +
                               "\". Настройки сброшены.");

    store->writeInteger("View", "ToolBarType", 3);
    EXPECT_TRUE(store->flush());
    EXPECT_EQ(location.openSettingsForRead()->readInteger("View", "ToolBarType", 0), 3);
    EXPECT_TRUE(location.takeMessages().empty());

    // A store file that cannot be read at all is left as it is and never written.
    SettingsLocation unreadable(SettingsMode{dir.path(), false, false, false}, dir / "user.ini");
    EXPECT_FALSE(unreadable.openSettingsForWrite()->flush());
    unreadable.openSettingsForRead();
    EXPECT_EQ(unreadable.takeMessages().size(), 1u);
}

TEST(SettingsLocation, RegistryModeLivesInAPrivatePerUserFile) {
    TempFolder exe, home;
    const std::string user = home / "config/Lecterna/Lecterna.ini";
    exe.write("Lecterna.ini", "[IniMode]\nInRegistry=1\n[View]\nToolBarType=1\n");
    SettingsLocation location(exe.path(), user);

    auto store = location.openSettingsForWrite();
    store->writeInteger("View", "ToolBarType", 4);
    ASSERT_TRUE(store->flush());
    struct stat st {};
    ASSERT_EQ(::stat((home / "config/Lecterna").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // Switching registry mode off deletes the per-user store; the switch goes to the INI file.
    location.setInRegistry(false);
    EXPECT_FALSE(std::filesystem::exists(user));
    EXPECT_TRUE(location.writeIniMode());
    EXPECT_EQ(TempFolder::read(exe / "Lecterna.ini"), "[IniMode]\nInRegistry=0\n[View]\nToolBarType=1\n");
    EXPECT_EQ(location.openSettingsForWrite()->path(), exe / "Lecterna.ini");
}

TEST(SettingsLocation, PerUserFileFollowsXdgConfigHome) {
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "", home = savedHome ? savedHome : "";
    ::setenv("HOME", "/home/reader", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg/", 1);
    EXPECT_EQ(SettingsLocation::userFileNameFromEnvironment(), "/cfg/Lecterna/Lecterna.ini");
    ::setenv("XDG_CONFIG_HOME", "relative", 1); // invalid, ignored
    EXPECT_EQ(SettingsLocation::userFileNameFromEnvironment(), "/home/reader/.config/Lecterna/Lecterna.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsLocation::userFileNameFromEnvironment(), "/home/reader/.config/Lecterna/Lecterna.ini");
    savedXdg ? ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    savedHome ? ::setenv("HOME", home.c_str(), 1) : ::unsetenv("HOME");
}
