#include "app/gui/MainToolBar.h"

#include "app/gui/ReaderActions.h"
#include "app/gui/ReaderMenus.h"
#include "app/gui/ToolIcons.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace Lecterna {

MainToolBar::MainToolBar(ReaderActions& actions, const ReaderMenus& menus, QWidget* parent) : QToolBar(parent) {
    using A = ReaderActions;
    setObjectName(QStringLiteral("toolBar"));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);

    addActions({actions.action(A::Open), actions.action(A::History), actions.action(A::Bookmarks)});
    addSeparator();
    m_textButton =
        addDropDown(QStringLiteral("textButton"), QStringLiteral("Текст"),
                    QStringLiteral("Настройка параметров текста"), ToolIcons::icon(ToolIcons::Text), menus.textMenu());
    m_encodingButton = addDropDown(QStringLiteral("encodingButton"), QStringLiteral("Кодировка"), QString(),
                                   ToolIcons::icon(ToolIcons::Encoding), menus.encodingMenu());
    m_searchButton = addDropDown(QStringLiteral("searchButton"), QStringLiteral("Поиск"),
                                 QStringLiteral("Поиск и переход по тексту"), ToolIcons::icon(ToolIcons::Search),
                                 menus.searchMenu());
    addSeparator();
    addActions({actions.action(A::Autoscroll), actions.action(A::FullScreen)});
    addSeparator();
    addActions({actions.action(A::Settings), actions.action(A::Alarm)});
    m_helpButton = addDropDown(QStringLiteral("helpButton"), QStringLiteral("Справка"), QString(),
                               ToolIcons::icon(ToolIcons::Help), menus.helpMenu());
    setAppearance(SmallIcons);
}

QToolButton* MainToolBar::addDropDown(const QString& objectName, const QString& caption, const QString& hint,
                                      QIcon icon, QMenu* menu) {
    auto* action = new QAction(std::move(icon), caption, this);
    action->setObjectName(objectName + QStringLiteral("Action"));
    if (!hint.isEmpty())
        action->setToolTip(hint);
    action->setMenu(menu);
    addAction(action);
    auto* button = qobject_cast<QToolButton*>(widgetForAction(action));
    button->setObjectName(objectName);
    button->setPopupMode(QToolButton::InstantPopup);
    return button;
}

void MainToolBar::setAppearance(int type) {
    m_appearance = static_cast<Appearance>(qBound(0, type, 4));
    const bool large = m_appearance <= LargeIconsWithCaptions;
    setIconSize(QSize(large ? LargeIconSize : SmallIconSize, large ? LargeIconSize : SmallIconSize));
    switch (m_appearance) {
    case LargeIcons:
    case SmallIcons: setToolButtonStyle(Qt::ToolButtonIconOnly); break;
    case LargeIconsWithCaptions: setToolButtonStyle(Qt::ToolButtonTextUnderIcon); break;
    case SmallIconsWithCaptions: setToolButtonStyle(Qt::ToolButtonTextBesideIcon); break;
    case CaptionsOnly: setToolButtonStyle(Qt::ToolButtonTextOnly); break;
    }
}

void MainToolBar::dropDown(QToolButton* button) {
    if (button->isVisible()) {
        button->showMenu();
        return;
    }
    QWidget* window = parentWidget() ? parentWidget()->window() : this;
    button->defaultAction()->menu()->popup(window->mapToGlobal(QPoint(0, 0)));
}

} // namespace Lecterna
