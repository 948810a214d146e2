#include "app/gui/ReaderMenus.h"

#include "app/gui/RadioMenuItems.h"
#include "app/gui/ReaderActions.h"

#include <QMenu>

namespace Lecterna {

namespace {

QMenu* makeMenu(QWidget* parent, const QString& objectName, const QString& title = QString()) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(objectName);
    return menu;
}

} // namespace

ReaderMenus::ReaderMenus(ReaderActions& actions, QWidget* window)
    : QObject(window), m_actions(actions), m_encodings(new RadioMenuItems(this)), m_segments(new RadioMenuItems(this)),
      m_textMenu(makeMenu(window, QStringLiteral("textMenu"))),
      m_encodingMenu(makeMenu(window, QStringLiteral("encodingMenu"))),
      m_searchMenu(makeMenu(window, QStringLiteral("searchMenu"))),
      m_helpMenu(makeMenu(window, QStringLiteral("helpMenu"))),
      m_segmentMenu(makeMenu(window, QStringLiteral("segmentMenu"))) {
    m_encodings->setEnabled(false);
    m_encodings->attach(m_encodingMenu);
    m_segments->attach(m_segmentMenu);
    fillTextMenu(m_textMenu);
    fillSearchMenu(m_searchMenu);
    fillHelpMenu(m_helpMenu);
}

void ReaderMenus::fillTextMenu(QMenu* menu) const {
    using A = ReaderActions;
    const auto add = [this](QMenu* target, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id < 0)
                target->addSeparator();
            else
                target->addAction(m_actions.action(static_cast<A::Id>(id)));
        }
    };
    constexpr int separator = -1;

    add(menu, {A::ShowAllSymbols, A::RecogniseParagraphs, separator});
    QMenu* encoding = menu->addMenu(QStringLiteral("&Кодировка"));
    encoding->setObjectName(QStringLiteral("encodingSubmenu"));
    m_encodings->attach(encoding);
    QMenu* paragraph = menu->addMenu(QStringLiteral("&Абзац"));
    paragraph->setObjectName(QStringLiteral("paragraphSubmenu"));
    add(paragraph, {A::LineSingle, A::LineOneAndHalf, A::LineDouble, A::LineMaximum, A::LineCustom, separator,
                    A::WordWrap, A::Justify});
    QMenu* font = menu->addMenu(QStringLiteral("&Шрифт"));
    font->setObjectName(QStringLiteral("fontSubmenu"));
    add(font, {A::ChooseFont, separator, A::LettersCondensed, A::LettersNormal, A::LettersExpanded, separator,
               A::FitSize, A::FontLarger, A::FontSmaller});
    add(menu, {separator, A::ResetFormat});
}

void ReaderMenus::fillSearchMenu(QMenu* menu) const {
    menu->addAction(m_actions.action(ReaderActions::Find));
    menu->addAction(m_actions.action(ReaderActions::GoTo));
}

void ReaderMenus::fillHelpMenu(QMenu* menu) const {
    using A = ReaderActions;
    for (A::Id id : {A::KeyboardHelp, A::OpenDialogHelp, A::HistoryHelp, A::BookmarksHelp, A::SettingsHelp})
        menu->addAction(m_actions.action(id));
    menu->addSeparator();
    menu->addAction(m_actions.action(A::SelfDiagnostics));
    menu->addSeparator();
    menu->addAction(m_actions.action(A::License));
    menu->addAction(m_actions.action(A::About));
}

} // namespace Lecterna
