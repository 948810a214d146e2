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

    // The four statistics lines ("Прочитано:\t12.34 %" and so on), shown as given.
    void setStatisticsCaptions(const std::array<QString, 4>& captions);

private:
    QMenu* m_segmentSubmenu;
    std::array<QAction*, 4> m_statistics{};
};

} // namespace Lecterna
