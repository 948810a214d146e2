#include "dialogs/gui/BookmarksDialog.h"

#include "app/Settings.h"
#include "app/gui/MessageBoxes.h"
#include "document/CharacterMaps.h"
#include "document/ParamTemplates.h"
#include "support/TempFolder.h"
#include "view/Reader.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/ScreenlessReader.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

// A book of short numbered lines, one display line each; line 7 holds only blanks.
class BookmarksDialogTest : public ::testing::Test, protected Lecterna::Test::ScreenlessReader {
protected:
    BookmarksDialogTest() {
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += i == 7 ? "     \r\n" : "Line " + std::to_string(i) + " of the book\r\n";
        // No paragraph recognition: a line stays a line.
        EXPECT_TRUE(reader.open(request(folder.write("book.txt", text), FileType::Other)));
    }

    std::unique_ptr<BookmarksDialog> showDialog() {
        auto dialog = std::make_unique<BookmarksDialog>(reader);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    static QString row(const BookmarksDialog& d, int i) { return d.list()->model()->index(i, 0).data().toString(); }
    static QPushButton* button(const BookmarksDialog& d, const char* name) {
        return d.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static QString count(const BookmarksDialog& d) {
        return d.findChild<QLabel*>(QStringLiteral("objectCount"))->text();
    }
    // Keys go where the focus is, as they would for the user.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    static void type(const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

} // namespace

TEST_F(BookmarksDialogTest, InsAddsTheTopLineAndOpensItsTitleForEditing) {
    reader.goToLine(12);
    auto d = showDialog();
    EXPECT_EQ(count(*d), "Объектов: 0");
    EXPECT_TRUE(button(*d, "addButton")->hasFocus()) << "an empty list leaves the focus on Add";
    for (const char* name : {"goButton", "renameButton", "deleteButton", "deleteAllButton"})
        EXPECT_FALSE(button(*d, name)->isEnabled()) << name;

    press(Qt::Key_Insert);
    ASSERT_TRUE(d->isRenaming());
    EXPECT_EQ(row(*d, 0), "Закладка 12:\tLine 12 of the book");
    EXPECT_EQ(d->renameEditor()->selectedText(), "Line 12 of the book");
    EXPECT_EQ(count(*d), "Объектов: 1");

    // Keys belong to the field while it is open: Del edits the text, it deletes no bookmark.
    press(Qt::Key_Delete);
    type("   ");
    press(Qt::Key_Return);
    EXPECT_TRUE(d->isRenaming()) << "a blank title is refused";
    type("  Глава 1");
    press(Qt::Key_Return);
    EXPECT_FALSE(d->isRenaming());
    EXPECT_EQ(reader.bookmarks().title(0), "Глава 1") << "leading blanks are dropped";
    EXPECT_EQ(reader.bookmarks().position(0), 12);
    EXPECT_TRUE(d->isVisible()) << "Enter while renaming does not reach Go";
    EXPECT_EQ(reader.currentPosition(), 12);

    // F2 and Esc: a title that exists is kept.
    press(Qt::Key_F2);
    ASSERT_TRUE(d->isRenaming());
    type("changed");
    press(Qt::Key_Escape);
    EXPECT_FALSE(d->isRenaming());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(row(*d, 0), "Закладка 12:\tГлава 1");
}

TEST_F(BookmarksDialogTest, ABookmarkNeverKeepsAnEmptyTitle) {
    reader.goToLine(7); // a line of blanks: the offered title is empty
    auto d = showDialog();
    press(Qt::Key_Insert);
    ASSERT_TRUE(d->isRenaming());
    EXPECT_EQ(d->renameEditor()->text(), "");
    press(Qt::Key_Escape);
    EXPECT_TRUE(d->isRenaming()) << "Esc cannot leave a bookmark without a title";
    EXPECT_TRUE(d->isVisible());

    // Closing anyway: a stored empty title would end the book's list when it is read back.
    d->close();
    EXPECT_EQ(reader.bookmarks().title(0), "Закладка 7");
}

TEST_F(BookmarksDialogTest, GoShowsTheBookmarkAtTheTopAndCloses) {
    reader.bookmarks().add("near", 3);
    reader.bookmarks().add("far", 40);
    auto d = showDialog();
    QSignalSpy moved(d.get(), &BookmarksDialog::positionChosen);
    EXPECT_EQ(d->selectedRow(), 0);
    EXPECT_TRUE(d->list()->hasFocus());
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(reader.currentPosition(), 40);
    EXPECT_EQ(moved.size(), 1) << "Enter goes once, through the default button";
    EXPECT_FALSE(d->isVisible());
}

TEST_F(BookmarksDialogTest, DeleteSelectsThePreviousRowAndDeleteAllAsksFirst) {
    for (int i = 0; i < 5; ++i)
        reader.bookmarks().add("b" + std::to_string(i), i * 10);
    auto d = showDialog();
    QStringList asked;
    bool answer = false;
    d->setQuestion([&](const QString& text) {
        asked << text;
        return answer;
    });

    d->list()->setCurrentIndex(d->list()->model()->index(2, 0));
    press(Qt::Key_Delete);
    EXPECT_EQ(reader.bookmarks().titles(), (std::vector<std::string>{"b0", "b1", "b3", "b4"}));
    EXPECT_EQ(d->selectedRow(), 1);
    d->list()->setCurrentIndex(d->list()->model()->index(0, 0));
    press(Qt::Key_Delete);
    EXPECT_EQ(d->selectedRow(), 0) << "the first row stays selected when the first goes";
    EXPECT_EQ(count(*d), "Объектов: 3");

    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(asked, QStringList{"Вы действительно хотите удалить все закладки?"});
    EXPECT_EQ(reader.bookmarks().count(), 3) << "answered No";
    answer = true;
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(reader.bookmarks().isEmpty());
    EXPECT_FALSE(d->list()->isEnabled());
    EXPECT_FALSE(button(*d, "goButton")->isEnabled());
    EXPECT_TRUE(button(*d, "addButton")->hasFocus());
}

TEST_F(BookmarksDialogTest, AFullListRefusesAnotherBookmarkWithTheLimitMessage) {
    for (int i = 0; i < TBookmarkList::kMaxBookmarks; ++i)
        reader.bookmarks().add("b", i);
    auto d = showDialog();
    RecordedMessageBoxes boxes;
    d->addBookmark();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].kind, RecordedMessageBoxes::Kind::Error);
    EXPECT_EQ(boxes.boxes()[0].text, "Максимальное число закладок в одном файле равно 32736.");
    EXPECT_EQ(reader.bookmarks().count(), TBookmarkList::kMaxBookmarks);
    EXPECT_FALSE(d->isRenaming());
}
