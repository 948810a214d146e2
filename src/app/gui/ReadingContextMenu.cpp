#include "app/gui/ReadingContextMenu.h"

#include "app/gui/RadioMenuItems.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ReaderMenus.h"

namespace Lecterna {

namespace {

constexpr int kShownNameLength = 15;

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
    setStatistics({}, {}, {}, {});
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

void ReadingContextMenu::setStatistics(const QString& percent, const QString& readingTime, const QString& fileSize,
                                       const QString& fileName) {
    QString name = fileName;
    if (name.size() > kShownNameLength)
        name = name.left(kShownNameLength) + QStringLiteral("...");
    // The tab puts the figure into the right-hand column of the menu.
    m_statistics[0]->setText(QStringLiteral("Прочитано:\t") + literal(percent));
    m_statistics[1]->setText(QStringLiteral("Время чтения:\t") + literal(readingTime));
    m_statistics[2]->setText(QStringLiteral("Размер файла:\t") + literal(fileSize));
    m_statistics[3]->setText(QStringLiteral("Название:\t") + literal(name));
}

} // namespace Lecterna
