#include "app/AtomicFile.h"
#include "app/IniFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Lecterna;
using Lecterna::Test::TempFolder;

namespace {

// A history-like store of `books` entries whose values all carry `tag`.
IniFile bigStore(const std::string& path, int books, char tag) {
    IniFile ini(path);
    for (int i = 0; i < books; ++i)
        for (const char* field : {"Name", "Position", "WasDone", "FontName", "Description"})
            ini.setValue("History", "Book" + std::to_string(i) + field, std::string(12, tag));
    return ini;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST(AtomicFile, KeepsPermissionsAndLinks) {
    TempFolder dir;
    const std::string real = dir.write("real.ini", "old");
    ::chmod(real.c_str(), 0640);
    const std::string link = dir / "link.ini";
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);

    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_EQ(TempFolder::read(real), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(modeOf(real), 0640u);
    EXPECT_EQ(dir.list(), (std::vector<std::string>{"link.ini", "real.ini"}));

    EXPECT_FALSE(writeFileAtomically(dir / "no/such/folder/x.ini", "x"));
}

// A full disk, made real with a file-size limit in a child process.
TEST(AtomicFile, FailedWriteLeavesTheOldFileAndNoLeftovers) {
    TempFolder dir;
    const std::string file = dir.write("Lecterna.ini", "[A]\nX=old\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        IniFile ini = bigStore(file, 200, 'n');
        ::_exit(ini.flush() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "flush() must report the failure";
    EXPECT_EQ(TempFolder::read(file), "[A]\nX=old\n");
    EXPECT_EQ(dir.list(), std::vector<std::string>{"Lecterna.ini"});
}

// A writer killed at random moments: the file must always be one whole version or the other.
TEST(AtomicFile, KilledWriterLeavesOneWholeVersion) {
    TempFolder dir;
    const std::string file = dir / "Lecterna.ini";
    IniFile a = bigStore(file, 4000, 'a');
    IniFile b = bigStore(file, 4000, 'b');
    const std::string versionA = a.render(), versionB = b.render();
    ASSERT_TRUE(a.flush());

    std::mt19937 random(12345);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            for (int i = 0; i < 1000; ++i) {
                IniFile& version = i % 2 ? a : b;
                version.setValue("Loop", "Pass", "1"); // modified, yet renders as before
                version.eraseSection("Loop");
                version.flush();
            }
            ::_exit(0);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(1000, 150000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string onDisk = TempFolder::read(file);
        EXPECT_TRUE(onDisk == versionA || onDisk == versionB) << "round " << round << ", " << onDisk.size() << " bytes";
        IniFile check;
        EXPECT_EQ(check.load(file), IniFile::LoadResult::Loaded);
    }
    // The next write sweeps away what the killed writers left.
    a.setValue("Loop", "Pass", "2");
    ASSERT_TRUE(a.flush());
    EXPECT_EQ(dir.list(), std::vector<std::string>{"Lecterna.ini"});
}
