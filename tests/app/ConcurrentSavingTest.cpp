// Two copies of the program may run at once; each writes its own settings and history when it
// closes. Whatever the interleaving, the file must always read back as one copy's whole view.
#include "app/IniFile.h"
#include "document/HistoryList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

using namespace Lecterna;

namespace {

constexpr int kRounds = 60;

HistoryList historyOf(int copy, int books) {
    HistoryList h;
    for (int i = 0; i < books; ++i) {
        TBookParam p;
        p.position = copy * 100000 + i;
        p.description = "copy " + std::to_string(copy);
        for (int k = 0; k < 3; ++k)
            p.bookmarks.add("закладка " + std::to_string(k), k);
        h.append("/books/" + std::to_string(copy) + "/" + std::to_string(i) + ".txt", std::move(p));
    }
    return h;
}

// What one copy leaves: its number in [Common] and a history of its own length.
int booksOf(int copy) {
    return copy == 0 ? 150 : 400;
}

// Empty when the file holds exactly one copy's view; else what is wrong with it.
std::string checkFile(const std::string& path) {
    IniFile ini;
    const IniFile::LoadResult r = ini.load(path);
    if (r == IniFile::LoadResult::Missing)
        return {};
    if (r != IniFile::LoadResult::Loaded)
        return "unreadable";
    const int copy = ini.readInteger("Common", "Copy", -1);
    if (copy != 0 && copy != 1)
        return "no copy number";
    const HistoryList h = HistoryList::loadHistory(ini, 32736);
    if (h.count() != booksOf(copy))
        return "copy " + std::to_string(copy) + " left " + std::to_string(h.count()) + " books";
    for (int i = 0; i < h.count(); ++i)
        if (h.at(i).param.position != copy * 100000 + i || h.at(i).param.bookmarks.count() != 3)
            return "book " + std::to_string(i) + " mixed";
    return {};
}

// One copy: read the file as it finds it, check it, put its own view in and save.
int runCopy(const std::string& path, int copy) {
    const HistoryList mine = historyOf(copy, booksOf(copy));
    for (int round = 0; round < kRounds; ++round) {
        if (!checkFile(path).empty())
            return 1;
        IniFile ini;
        if (ini.load(path) == IniFile::LoadResult::NotText)
            return 2;
        ini.writeInteger("Common", "Copy", copy);
        mine.saveHistory(ini);
        if (!ini.flush())
            return 3;
    }
    return 0;
}

} // namespace

TEST(ConcurrentSaving, TwoCopiesSavingTogetherNeverLeaveABrokenFile) {
    Lecterna::Test::TempFolder folder;
    const std::string path = folder / "Lecterna.ini";
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
        children[copy] = ::fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0)
            ::_exit(runCopy(path, copy));
    }
    // The test itself reads along as a third party would.
    std::string problem;
    int finished = 0;
    int status[2] = {0, 0};
    while (finished < 2) {
        if (problem.empty())
            problem = checkFile(path);
        for (int copy = 0; copy < 2; ++copy)
            if (children[copy] > 0 && ::waitpid(children[copy], &status[copy], WNOHANG) == children[copy]) {
                children[copy] = 0;
                ++finished;
            }
    }
    EXPECT_EQ(problem, "");
    for (int copy = 0; copy < 2; ++copy) {
        ASSERT_TRUE(WIFEXITED(status[copy]));
        EXPECT_EQ(WEXITSTATUS(status[copy]), 0) << "copy " << copy;
    }
    EXPECT_EQ(checkFile(path), "");
    EXPECT_EQ(folder.list(), std::vector<std::string>{"Lecterna.ini"}) << "no temporary file is left behind";
}
