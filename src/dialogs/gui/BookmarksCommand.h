#pragma once

#include <QObject>
#include <QPointer>

namespace Lecterna {

class BookmarksDialog;
class MainWindow;
class ReadingController;

// The "&Закладки..." command (Ctrl+B): shows the bookmarks of the open book in a dialog that keeps
// the reading window from taking input while it is up, and brings the window in step when the
// dialog moves the reading position.
class BookmarksCommand : public QObject {
    Q_OBJECT
public:
    BookmarksCommand(MainWindow& window, ReadingController& controller, QObject* parent = nullptr);

    void run();
    // The dialog while it is shown.
    BookmarksDialog* dialog() const;

private:
    MainWindow& m_window;
    ReadingController& m_controller;
    QPointer<BookmarksDialog> m_dialog;
};

} // namespace Lecterna
