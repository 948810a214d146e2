#include "dialogs/gui/BookmarksCommand.h"

#include "app/gui/MainWindow.h"
#include "app/gui/ReaderActions.h"
#include "dialogs/gui/BookmarksDialog.h"
#include "view/gui/ReadingController.h"

#include <QAction>

namespace Lecterna {

BookmarksCommand::BookmarksCommand(MainWindow& window, ReadingController& controller, QObject* parent)
    : QObject(parent), m_window(window), m_controller(controller) {
    connect(window.actions().action(ReaderActions::Bookmarks), &QAction::triggered, this, &BookmarksCommand::run);
    // The window may close with the dialog up (a termination signal): a title being edited is
    // kept before the book is stored.
    window.addClosingStep([this] {
        if (m_dialog)
            m_dialog->close();
    });
}

BookmarksDialog* BookmarksCommand::dialog() const {
    return m_dialog;
}

void BookmarksCommand::run() {
    if (!m_controller.reader().isOpen())
        return;
    if (!m_dialog) {
        m_dialog = new BookmarksDialog(m_controller.reader(), &m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_dialog->setWindowModality(Qt::WindowModal);
        connect(m_dialog, &BookmarksDialog::positionChosen, &m_controller, &ReadingController::refresh);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

} // namespace Lecterna
