#include "app/gui/ReadingContextMenu.h"

#include "app/gui/RadioMenuItems.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ReaderMenus.h"

namespace Lecterna {

namespace {

// Menu captions treat "&" as the mnemonic mark; a file name may contain one.
QString literal(const QString& text) {
    QString result = text;
    return result.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

ReadingContextMenu::ReadingContextMenu(ReaderActions& actions, ReaderMenus& menus, QWidget* parent) : QMenu(parent) {
    using A = ReaderActions;
    setObjectName(QStringLiteral("readingContextMenu"));

    m_segmentSubmenu = addMenu(QString());
    m_segmentSubmenu->setObjectName(QStringLiteral("segmentSubmenu"));
    menus.segments()->attach(m_segmentSubmenu);
    m_statistics[0] = m_segmentSubmenu->menuAction();
    for (size_t i = 1; i < m_statistics.size(); ++i)
        m_statistics[i] = addAction(QString());
    setStatisticsCaptions({QStringLiteral("Прочитано:\t"), QStringLiteral("Время чтения:\t"),
                           QStringLiteral("Размер файла:\t"), QStringLiteral("Название:\t")});
    addSeparator();

    addAction(actions.action(A::Buffer));
    QMenu* edit = addMenu(QStringLiteral("&Правка"));
    edit->setObjectName(QStringLiteral("editSubmenu"));
    edit->addAction(actions.action(A::CopyAll));
    edit->addSeparator();
    edit->addActions({actions.action(A::ReadClipboardText), actions.action(A::ReadClipboardHtml),
                      actions.action(A::ReadClipboardWord)});
    addSeparator();

    addActions({actions.action(A::Open), actions.action(A::History)});
    addSeparator();

    QMenu* text = addMenu(QStringLiteral("Параметры &текста"));
    text->setObjectName(QStringLiteral("textSubmenu"));
    menus.fillTextMenu(text);
    addAction(actions.action(A::Bookmarks));
    QMenu* search = addMenu(QStringLiteral("&Поиск"));
    search->setObjectName(QStringLiteral("searchSubmenu"));
    menus.fillSearchMenu(search);
    addAction(actions.action(A::Autoscroll));
    addSeparator();

    addActions({actions.action(A::FullScreen), actions.action(A::Settings)});
    QMenu* help = addMenu(QStringLiteral("&Справка"));
    help->setObjectName(QStringLiteral("helpSubmenu"));
    menus.fillHelpMenu(help);
    addSeparator();

    addActions({actions.action(A::Minimize), actions.action(A::Exit)});
}

void ReadingContextMenu::setStatisticsCaptions(const std::array<QString, 4>& captions) {
    for (size_t i = 0; i < captions.size(); ++i)
        m_statistics[i]->setText(literal(captions[i]));
}

} // namespace Lecterna
