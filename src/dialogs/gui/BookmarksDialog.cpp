#include "dialogs/gui/BookmarksDialog.h"

#include "app/gui/MessageBoxes.h"
#include "dialogs/TBookmarkList.h"
#include "dialogs/gui/BookmarkListModel.h"
#include "view/Reader.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTextOption>

#include <algorithm>
#include <climits>

namespace Lecterna {

namespace {

QPushButton* makeButton(const char* objectName, const QString& caption, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(hint);
    button->setStatusTip(hint);
    return button;
}

QAction* makeAction(const QString& caption, const QString& hint, const QKeySequence& key, QWidget* owner) {
    auto* action = new QAction(caption, owner);
    action->setToolTip(hint);
    action->setShortcut(key);
    // Keys anywhere in the dialog, but only while no title is being edited (then they are disabled).
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    owner->addAction(action);
    return action;
}

// Draws the rows with one tab stop past the widest "Закладка <position>:", so that the titles
// start in one column.
class TabbedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, view);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &o, view).adjusted(2, 0, -2, 0);
        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        layout.setTabStopDistance(o.fontMetrics.horizontalAdvance(QStringLiteral("Закладка 0000000: ")));
        painter->save();
        painter->setPen(o.palette.color(o.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                        o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(area, text, layout);
        painter->restore();
    }
};

} // namespace

BookmarksDialog::BookmarksDialog(Reader& reader, QWidget* parent)
    : QDialog(parent), m_reader(reader), m_model(new BookmarkListModel(reader.bookmarks(), this)) {
    setObjectName(QStringLiteral("bookmarksDialog"));
    setWindowTitle(QString::fromUtf8(kCaption));
    m_question = [this](const QString& text) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Внимание"), text, QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };

    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("bookmarkList"));
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setItemDelegate(new TabbedRowDelegate(m_list));

    m_goButton =
        makeButton("goButton", QStringLiteral("Перейти"), QStringLiteral("Перейти к выделенной закладке"), this);
    m_goButton->setDefault(true);
    m_addButton = makeButton("addButton", QStringLiteral("Добавить"), QStringLiteral("Создать закладку (Ins)"), this);
    m_renameButton =
        makeButton("renameButton", QStringLiteral("Изменить"), QStringLiteral("Изменить название закладки (F2)"), this);
    m_deleteButton =
        makeButton("deleteButton", QStringLiteral("Удалить"), QStringLiteral("Удалить закладку из списка (Del)"), this);
    m_deleteAllButton = makeButton("deleteAllButton", QStringLiteral("Удалить всё"),
                                   QStringLiteral("Удалить все закладки из списка (Ctrl+Del)"), this);

    m_goAction = new QAction(QStringLiteral("Перейти"), this);
    m_goAction->setToolTip(QStringLiteral("Перейти к выделенной закладке"));
    m_addAction = makeAction(QStringLiteral("&Добавить"), QStringLiteral("Создать закладку (Ins)"),
                             QKeySequence(Qt::Key_Insert), this);
    m_renameAction = makeAction(QStringLiteral("&Изменить"), QStringLiteral("Изменить названия закладки (F2)"),
                                QKeySequence(Qt::Key_F2), this);
    m_deleteAction = makeAction(QStringLiteral("&Удалить"), QStringLiteral("Удалить закладку из списка (Del)"),
                                QKeySequence(Qt::Key_Delete), this);
    m_deleteAllAction =
        makeAction(QStringLiteral("Удалить в&сё"), QStringLiteral("Очистить список закладок (Ctrl+Del)"),
                   QKeySequence(Qt::CTRL | Qt::Key_Delete), this);

    connect(m_goButton, &QPushButton::clicked, this, &BookmarksDialog::goToSelected);
    connect(m_addButton, &QPushButton::clicked, this, &BookmarksDialog::addBookmark);
    connect(m_renameButton, &QPushButton::clicked, this, &BookmarksDialog::startRename);
    connect(m_deleteButton, &QPushButton::clicked, this, &BookmarksDialog::deleteSelected);
    connect(m_deleteAllButton, &QPushButton::clicked, this, &BookmarksDialog::deleteAll);
    connect(m_goAction, &QAction::triggered, this, &BookmarksDialog::goToSelected);
    connect(m_addAction, &QAction::triggered, this, &BookmarksDialog::addBookmark);
    connect(m_renameAction, &QAction::triggered, this, &BookmarksDialog::startRename);
    connect(m_deleteAction, &QAction::triggered, this, &BookmarksDialog::deleteSelected);
    connect(m_deleteAllAction, &QAction::triggered, this, &BookmarksDialog::deleteAll);
    // Enter reaches Go through the default button; the list's own "activated" would run it twice.
    connect(m_list, &QListView::doubleClicked, this, &BookmarksDialog::goToSelected);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        menu.addAction(m_goAction);
        menu.setDefaultAction(m_goAction);
        menu.addSeparator();
        menu.addActions({m_addAction, m_renameAction});
        menu.addSeparator();
        menu.addActions({m_deleteAction, m_deleteAllAction});
        menu.exec(m_list->viewport()->mapToGlobal(pos));
    });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_goButton, m_addButton, m_renameButton, m_deleteButton, m_deleteAllButton})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    m_count = new QLabel(status);
    m_count->setObjectName(QStringLiteral("objectCount"));
    status->addWidget(m_count, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(status);
    resize(440, 280);

    updateState();
}

BookmarksDialog::~BookmarksDialog() = default;

int BookmarksDialog::selectedRow() const {
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void BookmarksDialog::selectRow(int row) {
    m_list->setCurrentIndex(m_model->index(row));
}

void BookmarksDialog::updateState() {
    const bool any = m_model->rowCount() > 0;
    m_list->setEnabled(any);
    setCommandsEnabled();
    if (any) {
        if (selectedRow() < 0)
            selectRow(0);
        if (!isRenaming())
            m_list->setFocus();
    } else if (m_addButton->isEnabled() && !isRenaming()) {
        m_addButton->setFocus();
    }
    m_count->setText(QStringLiteral("Объектов: %1").arg(m_model->rowCount()));
}

void BookmarksDialog::setCommandsEnabled() {
    const bool any = m_model->rowCount() > 0;
    const bool canAdd = m_reader.isOpen() && !m_reader.lines().isEmpty();
    for (QPushButton* b : {m_goButton, m_renameButton, m_deleteButton, m_deleteAllButton})
        b->setEnabled(any);
    m_addButton->setEnabled(canAdd);
    // While a title is edited its field gets every key.
    const bool keys = !isRenaming();
    m_goAction->setEnabled(any);
    for (QAction* a : {m_renameAction, m_deleteAction, m_deleteAllAction})
        a->setEnabled(any && keys);
    m_addAction->setEnabled(canAdd && keys);
}

void BookmarksDialog::goToSelected() {
    if (isRenaming()) {
        commitRename();
        return;
    }
    const int row = selectedRow();
    if (row < 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_reader.goToLine(m_model->bookmarks().position(row));
    m_reader.refreshStatistics();
    QApplication::restoreOverrideCursor();
    emit positionChosen();
    accept();
}

void BookmarksDialog::addBookmark() {
    if (isRenaming() && !commitRename())
        return;
    if (!m_model->bookmarks().canAdd()) {
        ErrorBox(QString::fromStdString(TBookmarkList::limitMessage()));
        return;
    }
    if (!m_reader.isOpen() || m_reader.lines().isEmpty())
        return;
    const auto position = static_cast<int32_t>(std::min<int64_t>(m_reader.currentPosition(), INT32_MAX));
    const int row = m_model->append(m_reader.newBookmarkTitle(), position);
    selectRow(row);
    updateState();
    m_list->scrollTo(m_model->index(row), QAbstractItemView::PositionAtTop);
    startRename();
}

void BookmarksDialog::startRename() {
    if (isRenaming())
        return;
    const int row = selectedRow();
    if (row < 0)
        return;
    m_renameRow = row;
    m_list->scrollTo(m_model->index(row));
    const QRect rect = m_list->visualRect(m_model->index(row));
    m_editor = new QLineEdit(m_list->viewport());
    m_editor->setObjectName(QStringLiteral("renameEditor"));
    m_editor->setText(QString::fromStdString(m_model->bookmarks().title(row)));
    m_editor->setGeometry(0, rect.top(), m_list->viewport()->width(), m_editor->sizeHint().height());
    m_editor->installEventFilter(this);
    setCommandsEnabled();
    m_editor->selectAll();
    m_editor->show();
    m_editor->setFocus();
}

bool BookmarksDialog::commitRename(bool closing) {
    if (!isRenaming())
        return true;
    std::string title = TBookmarkList::cleanTitle(m_editor->text().toStdString());
    if (title.empty()) {
        if (!closing)
            return false;
        title = m_model->bookmarks().title(m_renameRow);
        if (title.empty())
            title = "Закладка " + std::to_string(m_model->bookmarks().position(m_renameRow));
    }
    m_model->setTitle(m_renameRow, title);
    endRename();
    return true;
}

void BookmarksDialog::endRename() {
    QLineEdit* editor = m_editor;
    // Cleared first: hiding the field takes its focus away, which must not commit it again.
    m_editor = nullptr;
    m_renameRow = -1;
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    setCommandsEnabled();
    m_list->setFocus();
}

void BookmarksDialog::deleteSelected() {
    if (isRenaming() && !commitRename())
        return;
    const int row = selectedRow();
    if (row < 0)
        return;
    m_model->remove(row);
    if (m_model->rowCount() > 0)
        selectRow(std::max(row - 1, 0));
    updateState();
}

void BookmarksDialog::deleteAll() {
    if (isRenaming() && !commitRename())
        return;
    if (m_model->rowCount() > 0 && m_question(QString::fromUtf8(kDeleteAllQuestion)))
        m_model->clear();
    updateState();
}

void BookmarksDialog::done(int result) {
    // However the dialog closes, an edited title is kept.
    commitRename(true);
    QDialog::done(result);
}

bool BookmarksDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_editor || !m_editor)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: commitRename(); return true;
        case Qt::Key_Escape:
            // A bookmark must keep a title: with none yet, Esc cannot leave the field.
            if (!m_model->bookmarks().title(m_renameRow).empty())
                endRename();
            return true;
        default: break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving the field is Enter; switching to another window or opening a menu is not leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            commitRename();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Lecterna
