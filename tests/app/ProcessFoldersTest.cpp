#include "app/ProcessFolders.h"
#include "app/IniFile.h"
#include "app/PathSearch.h"
#include "app/SettingsLocation.h"
#include "app/TempDirectories.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Lecterna;
using Lecterna::Test::TempFolder;

TEST(ProcessFolders, ExecutableAndTemporaryFolders) {
    EXPECT_EQ(executableDir(), std::filesystem::canonical(LECTERNA_BINARY_DIR "/tests").string() + "/");

    TempFolder tmp;
    const TempDirCreation made = createTempDir(tmp.path());
    ASSERT_TRUE(made.errorMessage.empty());
    EXPECT_TRUE(made.path.starts_with(tmp / "Book"));
    EXPECT_TRUE(made.path.ends_with("/"));
    EXPECT_TRUE(std::filesystem::is_directory(made.path));

    const TempDirCreation failed = createTempDir(tmp / "missing");
    EXPECT_TRUE(failed.path.empty());
    EXPECT_NE(failed.error, 0);
    EXPECT_TRUE(
        failed.errorMessage.starts_with("Abnormal program terminate.\nCannot create \"" + (tmp / "missing/Book")));
    EXPECT_TRUE(failed.errorMessage.ends_with("\""));
}

TEST(ProcessFolders, LongFileNameResolvesWhatExistsAndKeepsTheRest) {
    TempFolder dir;
    dir.write("real/book.txt", "x");
    ASSERT_EQ(::symlink((dir / "real").c_str(), (dir / "link").c_str()), 0);
    const std::string real = std::filesystem::canonical(dir / "real").string();
    EXPECT_EQ(longFileName(dir / "link/../link/book.txt"), real + "/book.txt");
    EXPECT_EQ(longFileName(dir / "link/Not There/Book.TXT"), real + "/Not There/Book.TXT");
}

TEST(TempDirectories, OnlyEmptyFoldersOfEarlierRunsAreRemoved) {
    TempFolder dir;
    const std::string empty = dir / "BookEmpty/", full = dir / "BookFull/", gone = dir / "BookGone/";
    std::filesystem::create_directories(empty);
    dir.write("BookFull/member.txt", "x");
    IniFile store;
    for (const std::string& key : {empty, full, gone, std::string("relative/Book")})
        store.setValue("TempDirectories", key, "");

    TempDirectories list;
    list.cleanOld(store);
    EXPECT_EQ(list.folders(), std::vector<std::string>{full});
    EXPECT_FALSE(std::filesystem::exists(empty));
    EXPECT_TRUE(std::filesystem::exists(full + "member.txt"));
}

TEST(TempDirectories, FoldersOfCrashedRunsAreFoundAndGoTheSameWay) {
    // A process that has ended: its number names no process any more (barring reuse in the
    // microseconds of this test).
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);

    TempFolder tmp;
    const std::string dead = "Book" + std::to_string(child) + "-";
    std::filesystem::create_directories(tmp / (dead + "aaaaaa"));  // empty: removed
    tmp.write(dead + "bbbbbb/member.txt", "x");                    // holds a file: listed
    const TempDirCreation running = createTempDir(tmp.path());     // this run's own: untouched
    std::filesystem::create_directories(tmp / "BookNotOurs");      // not named by us: untouched

    TempDirectories list;
    list.cleanOld(IniFile(), tmp.path());
    EXPECT_EQ(list.folders(), std::vector<std::string>{tmp / (dead + "bbbbbb/")});
    EXPECT_FALSE(std::filesystem::exists(tmp / (dead + "aaaaaa")));
    EXPECT_TRUE(std::filesystem::is_directory(running.path));
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "BookNotOurs"));
}

TEST(TempDirectories, RemoveTempDirDeletesEverythingInsideButFollowsNoLinks) {
    TempFolder dir, outside;
    const std::string keep = outside.write("precious.txt", "keep me");
    const std::string temp = dir / "BookRun/";
    dir.write("BookRun/ClpLcTmp.txt", "clipboard");
    dir.write("BookRun/archive/sub/member.txt", "member");
    ASSERT_EQ(::symlink(outside.path().c_str(), (temp + "archive/escape").c_str()), 0);

    TempDirectories list;
    EXPECT_TRUE(list.removeTempDir(temp));
    EXPECT_FALSE(std::filesystem::exists(temp));
    EXPECT_EQ(TempFolder::read(keep), "keep me");
    EXPECT_TRUE(list.folders().empty());

    // A folder that stays is listed and saved, unless nothing may be written.
    EXPECT_FALSE(list.removeTempDir("/proc/self/"));
    EXPECT_EQ(list.folders(), std::vector<std::string>{"/proc/self/"});
    const std::string ini = dir / "Lecterna.ini";
    SettingsLocation readOnly(SettingsMode{ini, true, false, false}, dir / "user.ini");
    list.save(readOnly);
    EXPECT_FALSE(std::filesystem::exists(ini));
    SettingsLocation writable(SettingsMode{ini, false, false, false}, dir / "user.ini");
    list.save(writable);
    EXPECT_EQ(TempFolder::read(ini), "[TempDirectories]\n/proc/self/=\n");
}

TEST(PathSearch, FindsExecutablesOnlyInNamedFolders) {
    TempFolder a, b;
    a.write("soffice", "not executable");
    const std::string tool = b.write("soffice", "#!/bin/sh\n");
    ::chmod(tool.c_str(), 0755);
    const std::string path = "::" + a.path() + ":" + b.path();
    EXPECT_EQ(findProgramOnPath("soffice", path), tool);
    EXPECT_EQ(findProgramOnPath("soffice", a.path()), std::nullopt);
    EXPECT_EQ(findProgramOnPath("../soffice", path), std::nullopt);
}
