#include "dialogs/gui/BookmarkListModel.h"

#include "dialogs/TBookmarkList.h"

namespace Lecterna {

BookmarkListModel::BookmarkListModel(TBookmarkList& bookmarks, QObject* parent)
    : QAbstractListModel(parent), m_bookmarks(bookmarks) {}

QString BookmarkListModel::rowText(int32_t position, const std::string& title) {
    return QStringLiteral("Закладка %1:\t%2").arg(position).arg(QString::fromStdString(title));
}

int BookmarkListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_bookmarks.count();
}

QVariant BookmarkListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_bookmarks.count())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole: return rowText(m_bookmarks.position(row), m_bookmarks.title(row));
    case Qt::ToolTipRole: return QString::fromStdString(m_bookmarks.title(row));
    default: return {};
    }
}

int BookmarkListModel::append(const std::string& title, int32_t position) {
    const int row = m_bookmarks.count();
    beginInsertRows(QModelIndex(), row, row);
    m_bookmarks.add(title, position);
    endInsertRows();
    return row;
}

void BookmarkListModel::setTitle(int row, const std::string& title) {
    m_bookmarks.setTitle(row, title);
    emit dataChanged(index(row), index(row));
}

void BookmarkListModel::remove(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    m_bookmarks.remove(row);
    endRemoveRows();
}

void BookmarkListModel::clear() {
    beginResetModel();
    m_bookmarks.clear();
    endResetModel();
}

} // namespace Lecterna
