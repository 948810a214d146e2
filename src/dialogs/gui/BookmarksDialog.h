#pragma once

#include <QDialog>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace Lecterna {

class BookmarkListModel;
class Reader;

// The bookmarks of the open book: a list of "Закладка <position>:\t<title>" rows with Go (Enter,
// double-click), Add (Ins), Rename (F2), Delete (Del) and Delete all (Ctrl+Del). It edits the
// reading session's working copy, which the session rescales on every new layout and stores with
// the book. Esc closes it.
class BookmarksDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Lecterna:  Закладки ";
    static constexpr const char* kDeleteAllQuestion = "Вы действительно хотите удалить все закладки?";

    explicit BookmarksDialog(Reader& reader, QWidget* parent = nullptr);
    ~BookmarksDialog() override;

    // Asks before every bookmark is deleted; true to go on. A Yes/No box unless replaced (tests).
    using Question = std::function<bool(const QString& text)>;
    void setQuestion(Question question) { m_question = std::move(question); }

    // The commands, as the buttons, the list's menu and the keys run them.
    void goToSelected();
    void addBookmark();
    void startRename();
    void deleteSelected();
    void deleteAll();

    int selectedRow() const;
    bool isRenaming() const { return m_editor != nullptr; }
    QListView* list() const { return m_list; }
    QLineEdit* renameEditor() const { return m_editor; }

    void done(int result) override;

signals:
    // The reading window's top line moved to a bookmark.
    void positionChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enables what applies to the list as it is, selects a row, places the focus, counts.
    void updateState();
    void selectRow(int row);
    // Ends a rename with the edited title. An empty (or blank) title is refused and the field stays,
    // unless the dialog is closing: then the old title stays, or a bookmark that never had one is
    // named after its position, because a stored bookmark without a title ends its book's list.
    bool commitRename(bool closing = false);
    void endRename();
    void setCommandsEnabled();

    Reader& m_reader;
    BookmarkListModel* m_model;
    QListView* m_list;
    QLabel* m_count;
    QPushButton* m_goButton;
    QPushButton* m_addButton;
    QPushButton* m_renameButton;
    QPushButton* m_deleteButton;
    QPushButton* m_deleteAllButton;
    QAction* m_goAction;
    QAction* m_addAction;
    QAction* m_renameAction;
    QAction* m_deleteAction;
    QAction* m_deleteAllAction;
    QLineEdit* m_editor = nullptr;
    int m_renameRow = -1;
    Question m_question;
};

} // namespace Lecterna
