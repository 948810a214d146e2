#pragma once

#include <QObject>

class QMenu;
class QWidget;

namespace Lecterna {

class ReaderActions;
class RadioMenuItems;

// The drop-down menus of the reading window: "Текст", "Кодировка", "Поиск" and the help menu of
// the tool bar, and the segment menu of the status bar. The context menu repeats several of them
// through the fill functions, so both places hold the same actions.
class ReaderMenus : public QObject {
    Q_OBJECT
public:
    ReaderMenus(ReaderActions& actions, QWidget* window);

    QMenu* textMenu() const { return m_textMenu; }
    QMenu* encodingMenu() const { return m_encodingMenu; }
    QMenu* searchMenu() const { return m_searchMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    QMenu* segmentMenu() const { return m_segmentMenu; }

    // Encoding items: filled once the character maps are known, checked by the current encoding.
    RadioMenuItems* encodings() const { return m_encodings; }
    // Segment items: one per segment of a long book, none when the book is one segment.
    RadioMenuItems* segments() const { return m_segments; }

    // Fill a menu with the items of "Текст" (with its own "&Кодировка" submenu joined to the
    // encoding items), of "Поиск", and of the help menu.
    void fillTextMenu(QMenu* menu) const;
    void fillSearchMenu(QMenu* menu) const;
    void fillHelpMenu(QMenu* menu) const;

private:
    ReaderActions& m_actions;
    RadioMenuItems* m_encodings;
    RadioMenuItems* m_segments;
    QMenu* m_textMenu;
    QMenu* m_encodingMenu;
    QMenu* m_searchMenu;
    QMenu* m_helpMenu;
    QMenu* m_segmentMenu;
};

} // namespace Lecterna
