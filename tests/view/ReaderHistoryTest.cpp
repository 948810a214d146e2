// The history as the program keeps it: read from the settings file at start, changed by the books
// the reading session opens and stores, and written back at close.
#include "app/IniFile.h"
#include "app/SavedState.h"
#include "document/CharacterMaps.h"
#include "support/TempFolder.h"
#include "view/Reader.h"

#include "support/FixedPitchHost.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

class ReaderHistoryTest : public ::testing::Test {
protected:
    ReaderHistoryTest() : state(SystemCodePages{866, 1251}, CharacterMaps()) {}

    // Loads the program's state from a settings file and starts a reading session on it.
    void start(const std::string& ini) {
        IniFile store;
        ASSERT_TRUE(store.parse(ini));
        state.load(store, Settings::Environment{});
        reader = std::make_unique<Reader>(state.settings, state.history, state.templates(), state.pipeline, host, ".");
        reader->setClientSize(410, 300);
    }
    // Opens a book and reads it for `seconds` of this opening.
    void read(const std::string& path, FileType type, int seconds) {
        TBook book;
        book.fileName = path;
        book.fileType = type;
        ASSERT_TRUE(reader->open(book));
        for (int i = 0; i < seconds; ++i)
            reader->tick();
    }
    // What the program writes at close, read back as the next start would.
    IniFile saveAndReload() {
        reader->storeBookState();
        IniFile out;
        state.saveTemplatesAndHistory(out);
        IniFile back;
        EXPECT_TRUE(back.parse(out.render()));
        return back;
    }

    Lecterna::Test::TempFolder folder;
    SavedState state;
    Lecterna::Test::FixedPitchHost host;
    std::unique_ptr<Reader> reader;
};

std::string entry(int i, const std::string& name, const std::string& more = {}) {
    const std::string key = "Book" + std::to_string(i);
    return key + "Name=" + name + "\n" + key + "FileType=4\n" + more;
}

} // namespace

TEST_F(ReaderHistoryTest, StoredEntriesOpenWithTheirOwnView) {
    const std::string old = folder.write("old.txt", "Some text\r\n");
    const std::string unset = folder.write("unset.txt", "Some text\r\n");
    const std::string doc = folder.write("paper.doc", "Some text\r\n");
    start("[Templates]\nDoc_CharacterMap=7\n[History]\n" +
          entry(0, old, "Book0ViewInterval=3\n") + // written before LineSpacing had its own key
          entry(1, unset, "Book1LineSpacing=-1\nBook1ViewInterval=3\n"));
    ASSERT_EQ(state.history.count(), 2);

    read(old, FileType::Text, 0);
    EXPECT_EQ(reader->view().lineSpacing, 3);
    read(unset, FileType::Text, 0);
    EXPECT_EQ(reader->view().lineSpacing, 1) << "-1 means the default of new books";
    // The Doc template never reads its stored encoding.
    read(doc, FileType::Doc, 0);
    EXPECT_EQ(reader->view().encoding, 1);
}

TEST_F(ReaderHistoryTest, OnePathOpenedAsTwoTypesIsRememberedTwice) {
    const std::string path = folder.write("read.me", "Some text\r\n");
    start("");
    read(path, FileType::Text, 11);
    read(path, FileType::Info, 11);
    const IniFile saved = saveAndReload();
    const HistoryList h = HistoryList::loadHistory(saved, 25);
    ASSERT_EQ(h.count(), 2);
    EXPECT_EQ(h.at(0).param.fileType, FileType::Info);
    EXPECT_EQ(h.at(1).param.fileType, FileType::Text);
    EXPECT_EQ(h.at(0).name, h.at(1).name);
}

TEST_F(ReaderHistoryTest, AFullHistoryDropsItsOldestBookAndTheFileKeepsTheLimit) {
    std::string ini = "[Common]\nHistoryLimit=25\n[History]\n";
    for (int i = 0; i < 25; ++i)
        ini += entry(i, "/books/" + std::to_string(i) + ".txt");
    ini += entry(26, "/books/after-a-gap.txt");
    start(ini);
    ASSERT_EQ(state.history.count(), 25) << "the entry after the gap is never read";

    const std::string path = folder.write("new.txt", "Some text\r\n");
    read(path, FileType::Text, 11);
    const HistoryList h = HistoryList::loadHistory(saveAndReload(), 32736);
    ASSERT_EQ(h.count(), 25);
    EXPECT_EQ(h.at(0).name, path);
    EXPECT_EQ(h.at(24).name, "/books/23.txt");
}
