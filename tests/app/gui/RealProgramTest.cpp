// The real executable, started the way a user starts it: a copy in a program folder of its own
// (so its Lecterna.ini is written there) with a private per-user folder. Keys reach it through a
// virtual X display; what it keeps is read back from the settings file it writes.
#include "app/IniFile.h"
#include "document/HistoryList.h"
#include "support/TempFolder.h"
#include "support/gui/VirtualDisplay.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

using namespace Lecterna;
using testsupport::VirtualDisplay;

namespace {

class RealProgramTest : public ::testing::Test {
protected:
    RealProgramTest() {
        std::filesystem::create_directories(folder / "program");
        const QString copy = QString::fromStdString(program());
        QFile::copy(QStringLiteral(LECTERNA_EXECUTABLE), copy);
        QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner);
    }

    std::string program() const { return folder / "program/lecterna"; }
    std::string iniPath() const { return folder / "program/Lecterna.ini"; }
    void writeIni(const std::string& bytes) const { folder.write("program/Lecterna.ini", bytes); }

    std::unique_ptr<QProcess> start(QProcessEnvironment env, const QStringList& args = {}) const {
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(folder / "config"));
        // Set here rather than trusted from the test's own environment: the code pages name the
        // encoding menu's items, and the X libraries keep allocations until exit that are not ours.
        env.insert(QStringLiteral("LECTERNA_OEMCP"), QStringLiteral("866"));
        env.insert(QStringLiteral("LECTERNA_ANSICP"), QStringLiteral("1251"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(QString::fromStdString(program()), args);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }
    // Waits for the program to end by itself; its exit code, or -1 when it did not end cleanly.
    static int finish(QProcess& p) {
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished(5000);
            ADD_FAILURE() << "the program did not end; it said:\n" << p.readAll().toStdString();
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    static void signal(QProcess& p, int number) { ::kill(static_cast<pid_t>(p.processId()), number); }

    HistoryList history() const {
        IniFile ini;
        EXPECT_EQ(ini.load(iniPath()), IniFile::LoadResult::Loaded);
        return HistoryList::loadHistory(ini, 32736);
    }

    Lecterna::Test::TempFolder folder;
};

// True once the process has put in its own handler for the signal (it reads the signal after that).
bool handles(const QProcess& p, int number) {
    std::ifstream status("/proc/" + std::to_string(p.processId()) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (number - 1)) & 1;
    return false;
}

// A book whose every line is a paragraph of its own, so that its lines stay put without word wrap.
std::string book() {
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "- Line " + std::to_string(i) + ": the quick brown fox jumps over the lazy dog\r\n";
    return text;
}

} // namespace

TEST_F(RealProgramTest, TheLastBookReopensWhereItWasLeftWithItsViewAndBookmarks) {
    VirtualDisplay x;
    if (!x.problem().isEmpty())
        GTEST_SKIP() << x.problem().toStdString();
    writeIni("[Common]\nLastLoad=1\n");
    const std::string path = folder.write("books/book.txt", book());

    // First run: the book from the command line, read for more than ten seconds.
    auto first = start(x.environment(), {QString::fromStdString(path)});
    QString window = x.waitForWindow(QStringLiteral("^Lecterna$"));
    ASSERT_FALSE(window.isEmpty()) << first->readAll().toStdString();
    x.focus(window);
    // Double spacing, justification (on for texts) off, word wrap off.
    x.keys({QStringLiteral("ctrl+2"), QStringLiteral("ctrl+j"), QStringLiteral("ctrl+w")});
    const QString ours = QStringLiteral("^lecterna$"); // the class of the program's windows: a menu has no title
    auto fromContextMenu = [&](const QStringList& keys) {
        x.rightClick(window, 200, 150);
        ASSERT_TRUE(x.waitForWindowCount(ours, 2, QStringLiteral("--class"))) << "no context menu";
        x.keys(keys);
        ASSERT_TRUE(x.waitForWindowCount(ours, 1, QStringLiteral("--class"))) << "the menu stayed open";
        x.focus(window);
    };
    // "Параметры &текста", "&Кодировка", "&Windows".
    fromContextMenu({QStringLiteral("Cyrillic_te"), QStringLiteral("Cyrillic_ka"), QStringLiteral("w")});
    // "Параметры &текста", "&Шрифт", then "Увеличить шрифт", the last item but one, twice: two
    // pixels more. (Its keypad key is not used: such shortcuts never match in this Qt.)
    for (int i = 0; i < 2; ++i)
        fromContextMenu({QStringLiteral("Cyrillic_te"), QStringLiteral("Cyrillic_sha"), QStringLiteral("Up"),
                         QStringLiteral("Up"), QStringLiteral("Return")});

    auto addBookmark = [&](const QString& title) {
        x.keys({QStringLiteral("ctrl+b")});
        const QString dialog = x.waitForWindow(QStringLiteral("Закладки"));
        ASSERT_FALSE(dialog.isEmpty()) << "no bookmarks dialog";
        x.focus(dialog);
        x.keys({QStringLiteral("Insert"), QStringLiteral("ctrl+a")});
        x.type(title);
        x.keys({QStringLiteral("Return"), QStringLiteral("Escape")});
        ASSERT_TRUE(x.waitForNoWindow(QStringLiteral("Закладки")));
        x.focus(window);
    };
    x.wheelDown(window, 200, 150, 30);
    addBookmark(QStringLiteral("First"));
    x.wheelDown(window, 200, 150, 20);
    addBookmark(QStringLiteral("Second"));
    x.wheelDown(window, 200, 150, 7);
    // Eleven seconds of reading on top of the time the commands took (time counts while the
    // window is active, and the menus and dialogs took some of it away).
    QThread::msleep(11000);
    const QStringList pointerAway = {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")};
    x.xdotool(pointerAway); // the pointer is drawn into the picture
    const QRect place = x.geometry(window);
    ASSERT_FALSE(place.isEmpty());
    // The page without the status bar, whose reading time goes on.
    const QRect page = place.adjusted(0, 0, 0, -32);
    const QImage leftAt = x.screen().copy(page);
    ASSERT_FALSE(leftAt.isNull());
    x.keys({QStringLiteral("alt+F4")});
    ASSERT_EQ(finish(*first), 0) << first->readAll().toStdString();

    const HistoryList afterFirst = history();
    ASSERT_EQ(afterFirst.count(), 1);
    const TBookParam& kept = afterFirst.at(0).param;
    EXPECT_EQ(afterFirst.at(0).name, path);
    EXPECT_EQ(kept.position, 57);
    EXPECT_EQ(kept.fontHeight, -18); // 12 points at 96 dpi are 16 pixels
    EXPECT_EQ(kept.lineSpacing, 2);
    EXPECT_FALSE(kept.textJustificationOn);
    EXPECT_FALSE(kept.wordWrapOn);
    EXPECT_EQ(kept.characterMap, 1);
    EXPECT_EQ(kept.bookmarks.titles(), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(kept.bookmarks.positions(), (std::vector<int32_t>{30, 50}));
    EXPECT_GE(kept.readingInterval, 11);

    // Second run, without arguments: the window comes back in its place showing the same page.
    auto second = start(x.environment());
    window = x.waitForWindow(QStringLiteral("^Lecterna$"));
    ASSERT_FALSE(window.isEmpty()) << second->readAll().toStdString();
    EXPECT_EQ(x.geometry(window), place);
    x.xdotool(pointerAway);
    QElapsedTimer waited;
    waited.start();
    QImage shown = x.screen().copy(page);
    while (shown != leftAt && waited.elapsed() < 20000) {
        QThread::msleep(100);
        shown = x.screen().copy(page);
    }
    if (shown != leftAt) {
        leftAt.save(QStringLiteral(LECTERNA_BINARY_DIR "/tests/reopen-left-at.png"));
        shown.save(QStringLiteral(LECTERNA_BINARY_DIR "/tests/reopen-shown.png"));
    }
    EXPECT_TRUE(shown == leftAt) << "the page differs from the one left; both are in " LECTERNA_BINARY_DIR "/tests";
    // Ended by a signal before ten seconds: the entry stays as it was.
    signal(*second, SIGTERM);
    ASSERT_EQ(finish(*second), 0) << second->readAll().toStdString();
    const HistoryList afterSecond = history();
    ASSERT_EQ(afterSecond.count(), 1);
    EXPECT_EQ(afterSecond.at(0).param.position, kept.position);
    EXPECT_EQ(afterSecond.at(0).param.readingInterval, kept.readingInterval);
    EXPECT_EQ(afterSecond.at(0).param.bookmarks.titles(), kept.bookmarks.titles());
}

TEST_F(RealProgramTest, EveryTerminationSignalEndsTheProgramThroughItsClosingSteps) {
    for (int number : {SIGINT, SIGHUP}) { // SIGTERM: the lifecycle test and the reopening one
        SCOPED_TRACE(number);
        writeIni("[History]\nBook0Name=/books/kept.txt\nBook0Position=5\n");
        auto p = start(QProcessEnvironment::systemEnvironment()); // the tests' offscreen platform
        QElapsedTimer waited;
        waited.start();
        while (!handles(*p, number) && waited.elapsed() < 30000 && p->state() == QProcess::Running)
            QThread::msleep(20);
        ASSERT_TRUE(handles(*p, number)) << p->readAll().toStdString();
        signal(*p, number);
        ASSERT_EQ(finish(*p), 0) << p->readAll().toStdString();
        IniFile ini;
        ASSERT_EQ(ini.load(iniPath()), IniFile::LoadResult::Loaded);
        EXPECT_TRUE(ini.value("Common", "LastProgramStart")) << "the settings were saved";
        const HistoryList h = HistoryList::loadHistory(ini, 25);
        ASSERT_EQ(h.count(), 1) << "the history was written back";
        EXPECT_EQ(h.at(0).param.position, 5);
    }
}

TEST_F(RealProgramTest, ASettingsFileThatIsNotTextIsKeptAsideWithOneMessage) {
    VirtualDisplay x;
    if (!x.problem().isEmpty())
        GTEST_SKIP() << x.problem().toStdString();
    const std::string broken("[Common]\nLastLoad=1\n\0\x01\xFF", 22);
    writeIni(broken);

    auto p = start(x.environment());
    const QString box = x.waitForWindow(QStringLiteral("^Ошибка$"));
    ASSERT_FALSE(box.isEmpty()) << "no message";
    x.focus(box);
    x.keys({QStringLiteral("Return")});
    ASSERT_TRUE(x.waitForNoWindow(QStringLiteral("^Ошибка$")));
    EXPECT_TRUE(x.waitForWindow(QStringLiteral("^Ошибка$"), 1500).isEmpty()) << "the message came twice";
    ASSERT_FALSE(x.waitForWindow(QStringLiteral("^Lecterna$")).isEmpty());
    signal(*p, SIGTERM);
    ASSERT_EQ(finish(*p), 0) << p->readAll().toStdString();

    std::vector<std::string> aside;
    for (const auto& e : std::filesystem::directory_iterator(folder / "program"))
        if (e.path().filename().string().rfind("Lecterna.ini.broken-", 0) == 0)
            aside.push_back(e.path().string());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(Lecterna::Test::TempFolder::read(aside[0]), broken);
    IniFile ini;
    ASSERT_EQ(ini.load(iniPath()), IniFile::LoadResult::Loaded) << "a new file took the broken one's place";
    EXPECT_TRUE(ini.value("Common", "LastProgramStart"));
}
