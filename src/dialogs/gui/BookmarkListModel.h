#pragma once

#include <QAbstractListModel>

#include <cstdint>
#include <string>

namespace Lecterna {

class TBookmarkList;

// The rows of the bookmarks list, one per bookmark of the open book's working copy, in list order:
// "Закладка <position>:\t<title>". Edits go through the model so that the list and the working copy
// change together; the positions are read live, so rows follow the rescaling after a new layout.
class BookmarkListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit BookmarkListModel(TBookmarkList& bookmarks, QObject* parent = nullptr);

    static QString rowText(int32_t position, const std::string& title);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const TBookmarkList& bookmarks() const { return m_bookmarks; }
    // Returns the new row.
    int append(const std::string& title, int32_t position);
    void setTitle(int row, const std::string& title);
    void remove(int row);
    void clear();

private:
    TBookmarkList& m_bookmarks;
};

} // namespace Lecterna
