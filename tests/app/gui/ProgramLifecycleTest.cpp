// The real program from start to end: its temporary folder goes away when it is closed by a
// signal, its settings file is written, and a crashed run's folder is cleaned up by the next run.
#include "support/TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

using Lecterna::Test::TempFolder;
namespace fs = std::filesystem;

namespace {

// A copy of the program in a folder of its own, so that its Lecterna.ini lands there.
class Program {
public:
    Program() {
        fs::copy_file(LECTERNA_EXECUTABLE, m_dir / "lecterna");
        fs::create_directories(tmp());
        m_book = m_dir.write("book.txt", "    Short book.\r\nIts second line.\r\n");
    }

    std::string tmp() const { return m_dir / "tmp"; }
    std::string ini() const { return m_dir / "Lecterna.ini"; }

    // Starts the program on the book and waits until it handles SIGTERM itself.
    void start(QProcess& process) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", QString::fromStdString(tmp()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(m_dir / "config"));
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        process.setProcessEnvironment(env);
        process.start(QString::fromStdString(m_dir / "lecterna"), {QString::fromStdString(m_book)});
        ASSERT_TRUE(process.waitForStarted(10000));
        ASSERT_TRUE(waitUntilCatching(process.processId(), SIGTERM));
    }

    std::vector<std::string> bookFolders() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(tmp()))
            if (entry.path().filename().string().starts_with("Book"))
                names.push_back(entry.path().filename().string());
        return names;
    }

private:
    // The program installs its handler once its window exists; /proc tells when it has.
    static bool waitUntilCatching(qint64 pid, int signal) {
        for (int i = 0; i < 600; ++i) {
            std::ifstream status("/proc/" + std::to_string(pid) + "/status");
            std::string line;
            while (std::getline(status, line))
                if (line.starts_with("SigCgt:")) {
                    const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
                    if (mask & (1ull << (signal - 1)))
                        return true;
                }
            QThread::msleep(100);
        }
        return false;
    }

    TempFolder m_dir;
    std::string m_book;
};

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(ProgramLifecycle, SigtermClosesCleanlySavingSettingsAndRemovingTheTemporaryFolder) {
    Program program;
    // A hand-edited file: its comment and a key the program does not know survive the rewrite,
    // and an out-of-range value comes back checked.
    std::ofstream(program.ini()) << "; my notes\n[Common]\nHistoryLimit=10\nMyOwnKey=kept\n";
    QProcess process;
    program.start(process);
    EXPECT_EQ(program.bookFolders().size(), 1u);

    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(program.bookFolders().empty());
    const std::string ini = contents(program.ini());
    EXPECT_NE(ini.find("[Common]"), std::string::npos);
    EXPECT_NE(ini.find("LastProgramStart="), std::string::npos);
    EXPECT_NE(ini.find("[Form1]"), std::string::npos);
    EXPECT_TRUE(ini.starts_with("; my notes\n[Common]\n")) << ini;
    EXPECT_NE(ini.find("MyOwnKey=kept"), std::string::npos);
    EXPECT_NE(ini.find("HistoryLimit=25"), std::string::npos);
}

TEST(ProgramLifecycle, TheNextRunRemovesTheEmptyFolderOfACrashedRun) {
    Program program;
    QProcess crashed;
    program.start(crashed);
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    ASSERT_TRUE(crashed.waitForFinished(30000));
    ASSERT_EQ(program.bookFolders().size(), 1u);
    const std::string leftOver = program.bookFolders()[0];

    QProcess next;
    program.start(next);
    const std::vector<std::string> whileRunning = program.bookFolders();
    EXPECT_EQ(std::count(whileRunning.begin(), whileRunning.end(), leftOver), 0);
    ::kill(static_cast<pid_t>(next.processId()), SIGTERM);
    ASSERT_TRUE(next.waitForFinished(30000));
    EXPECT_TRUE(program.bookFolders().empty());
}
