#pragma once

#include <QToolBar>

class QToolButton;

namespace Lecterna {

class ReaderActions;
class ReaderMenus;

// The reading window's tool bar: the most used commands and the drop-down buttons "Текст",
// "Кодировка", "Поиск" and the help menu.
class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    // Appearances of the ToolBarType setting.
    enum Appearance {
        LargeIcons = 0,
        LargeIconsWithCaptions = 1,
        SmallIcons = 2,
        SmallIconsWithCaptions = 3,
        CaptionsOnly = 4,
    };
    static constexpr int LargeIconSize = 36;
    static constexpr int SmallIconSize = 18;

    MainToolBar(ReaderActions& actions, const ReaderMenus& menus, QWidget* parent = nullptr);

    // Out-of-range values are clamped, as a stored setting might hold anything.
    void setAppearance(int type);
    Appearance appearance() const { return m_appearance; }

    // Open the help drop-down (F1) and the encoding drop-down (Shift+F8) as if their buttons were
    // pressed; when the bar is hidden the menu appears at the top-left corner of the window.
    void dropDownHelp() { dropDown(m_helpButton); }
    void dropDownEncoding() { dropDown(m_encodingButton); }

    QToolButton* textButton() const { return m_textButton; }
    QToolButton* encodingButton() const { return m_encodingButton; }
    QToolButton* searchButton() const { return m_searchButton; }
    QToolButton* helpButton() const { return m_helpButton; }

private:
    void dropDown(QToolButton* button);
    QToolButton* addDropDown(const QString& objectName, const QString& caption, const QString& hint, QIcon icon,
                             QMenu* menu);

    Appearance m_appearance = SmallIcons;
    QToolButton* m_textButton;
    QToolButton* m_encodingButton;
    QToolButton* m_searchButton;
    QToolButton* m_helpButton;
};

} // namespace Lecterna
