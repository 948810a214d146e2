#pragma once

#include <QMenu>

#include <array>

namespace Lecterna {

class ReaderActions;
class ReaderMenus;

// The reading area's context menu (right button or Shift+F10). It opens with four lines of
// reading statistics; the first also holds the segment submenu.
class ReadingContextMenu : public QMenu {
    Q_OBJECT
public:
    ReadingContextMenu(ReaderActions& actions, ReaderMenus& menus, QWidget* parent = nullptr);

    // The statistics lines show what the status bar shows; the name is cut to 15 characters.
    void setStatistics(const QString& percent, const QString& readingTime, const QString& fileSize,
                       const QString& fileName);

private:
    QMenu* m_segmentSubmenu;
    std::array<QAction*, 4> m_statistics{};
};

} // namespace Lecterna
