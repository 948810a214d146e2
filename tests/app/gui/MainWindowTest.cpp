#include "app/gui/MainWindow.h"
#include "app/gui/MainToolBar.h"
#include "app/gui/RadioMenuItems.h"
#include "app/gui/ReaderActions.h"
#include "app/gui/ReaderMenus.h"
#include "app/gui/ReadingContextMenu.h"
#include "view/gui/StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

// A menu written as text: items separated by "|", "-" for a separator, a submenu as
// "Title{items}". Captions keep their "&" so mnemonics are checked too.
QString layoutOf(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (action->menu())
            items << action->text() + QLatin1Char('{') + layoutOf(action->menu()) + QLatin1Char('}');
        else
            items << action->text();
    }
    return items.join(QLatin1Char('|'));
}

QAction* findAction(const MainWindow& window, const char* objectName) {
    return window.findChild<QAction*>(QString::fromLatin1(objectName));
}

const QString kTextMenu =
    QStringLiteral("&Показывать все символы|&Распознавать абзацы|-|&Кодировка{}|"
                   "&Абзац{&Одинарный|&Полуторный|&Двойной|&Максимальный|&Настраиваемый|-|&Перенос по словам|"
                   "Выравнивание по ширине}|"
                   "&Шрифт{&Выбрать шрифт...|-|&Сжатый|&Нормальный|&Разреженный|-|&Подбор размера|Увеличить шрифт|"
                   "Уменьшить шрифт}|-|&Сброс формата");

const QString kHelpMenu = QStringLiteral(
    "&Управление с клавиатуры|&Диалог \"Открыть\"|&Работа с \"Историей\"|Диалог \"Закладки\"|&Настройка|-|"
    "&Самодиагностика|-|&Лицензионное соглашение|&О программе");

} // namespace

TEST(MainWindow, StartsAsAnEmptyReadingWindow) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lecterna"));
    EXPECT_EQ(window.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window.size(), QSize(525, 372));
    ASSERT_NE(window.readingArea(), nullptr);
    EXPECT_EQ(window.readingArea()->objectName(), QStringLiteral("readingArea"));
}

struct CommandCase {
    const char* objectName;
    const char* caption;
    QList<QKeySequence> keys;
    bool needsBook;
};

TEST(MainWindow, CommandsHaveTheirCaptionsShortcutsAndWaitForABook) {
    const QKeySequence keypadPlus(Qt::KeypadModifier | Qt::Key_Plus);
    const QKeySequence keypadMinus(Qt::KeypadModifier | Qt::Key_Minus);
    const std::vector<CommandCase> cases = {
        {"openAction", "&Открыть файл...", {QKeySequence(Qt::Key_F3)}, false},
        {"historyAction", "&История...", {QKeySequence(Qt::Key_F4)}, false},
        {"chooseFontAction", "&Выбрать шрифт...", {QKeySequence(Qt::Key_F9)}, true},
        {"fitSizeAction", "&Подбор размера", {QKeySequence(Qt::CTRL | Qt::Key_F9)}, true},
        {"wordWrapAction", "&Перенос по словам", {QKeySequence(Qt::CTRL | Qt::Key_W)}, true},
        {"justifyAction", "Выравнивание по ширине", {QKeySequence(Qt::CTRL | Qt::Key_J)}, true},
        {"findAction", "&Найти...", {QKeySequence(Qt::Key_F7)}, true},
        {"goToAction", "&Перейти...", {QKeySequence(Qt::CTRL | Qt::Key_F7)}, true},
        {"bufferAction", "Буфер", {QKeySequence(Qt::CTRL | Qt::Key_C)}, true},
        {"autoscrollAction", "Автоскро&ллинг", {QKeySequence(Qt::CTRL | Qt::Key_Down)}, true},
        {"settingsAction", "П&араметры...", {QKeySequence(Qt::Key_F10)}, false},
        {"fullScreenAction",
         "Полный &экран",
         {QKeySequence(Qt::Key_F11), QKeySequence(Qt::ALT | Qt::Key_Return)},
         false},
        {"helpAction", "&Справка", {QKeySequence(Qt::Key_F1)}, false},
        {"minimizeAction", "Св&ернуть", {QKeySequence(Qt::ALT | Qt::Key_F10)}, false},
        {"exitAction", "В&ыход", {QKeySequence(Qt::ALT | Qt::Key_F4)}, false},
        {"fontLargerAction", "Увеличить шрифт", {keypadPlus}, true},
        {"fontSmallerAction", "Уменьшить шрифт", {keypadMinus}, true},
        {"lineSingleAction", "&Одинарный", {QKeySequence(Qt::CTRL | Qt::Key_1)}, true},
        {"lineOneAndHalfAction", "&Полуторный", {QKeySequence(Qt::CTRL | Qt::Key_5)}, true},
        {"lineDoubleAction", "&Двойной", {QKeySequence(Qt::CTRL | Qt::Key_2)}, true},
        {"lineMaximumAction", "&Максимальный", {QKeySequence(Qt::CTRL | Qt::Key_9)}, true},
        {"lineCustomAction", "&Настраиваемый", {QKeySequence(Qt::CTRL | Qt::Key_0)}, true},
        {"lettersNormalAction", "&Нормальный", {}, true},
        {"recogniseParagraphsAction", "&Распознавать абзацы", {}, true},
    };
    MainWindow window;
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.objectName);
        QAction* action = findAction(window, c.objectName);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(action->shortcuts(), c.keys);
        EXPECT_EQ(action->isEnabled(), !c.needsBook);
    }
    window.setBookOpen(true);
    for (const CommandCase& c : cases)
        EXPECT_TRUE(findAction(window, c.objectName)->isEnabled()) << c.objectName;

    // No key may belong to two commands, or neither fires.
    QHash<QKeySequence, QString> owners;
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_FALSE(owners.contains(key))
                << key.toString().toStdString() << " is on " << owners.value(key).toStdString() << " and "
                << action->objectName().toStdString();
            owners.insert(key, action->objectName());
        }
    }
}

TEST(MainWindow, SpacingCommandsAreRadioGroups) {
    MainWindow window;
    window.setBookOpen(true);
    findAction(window, "lineDoubleAction")->trigger();
    findAction(window, "lineCustomAction")->trigger();
    EXPECT_FALSE(findAction(window, "lineDoubleAction")->isChecked());
    EXPECT_TRUE(findAction(window, "lineCustomAction")->isChecked());
    findAction(window, "lettersCondensedAction")->trigger();
    findAction(window, "lettersExpandedAction")->trigger();
    EXPECT_FALSE(findAction(window, "lettersCondensedAction")->isChecked());
    EXPECT_TRUE(findAction(window, "lineCustomAction")->isChecked()) << "the two groups are independent";
}

TEST(MainWindow, AutoscrollHandsTheKeypadKeysToTheSpeedCommands) {
    MainWindow window;
    window.setBookOpen(true);
    QAction* larger = findAction(window, "fontLargerAction");
    QAction* faster = findAction(window, "speedUpAction");
    QAction* slower = findAction(window, "slowDownAction");
    EXPECT_FALSE(faster->isEnabled());
    EXPECT_TRUE(faster->shortcut().isEmpty());

    window.actions().setSpeedKeysActive(true);
    EXPECT_FALSE(larger->isEnabled());
    EXPECT_TRUE(larger->shortcut().isEmpty());
    EXPECT_TRUE(faster->isEnabled());
    EXPECT_EQ(faster->shortcut(), QKeySequence(Qt::KeypadModifier | Qt::Key_Plus));
    EXPECT_EQ(slower->shortcut(), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus));

    window.actions().setSpeedKeysActive(false);
    EXPECT_TRUE(larger->isEnabled());
    EXPECT_EQ(larger->shortcut(), QKeySequence(Qt::KeypadModifier | Qt::Key_Plus));
    EXPECT_FALSE(slower->isEnabled());
}

TEST(MainWindow, MenusAreLaidOutAsTheReaderKnowsThem) {
    MainWindow window;
    ReaderMenus& menus = window.menus();
    EXPECT_EQ(layoutOf(menus.textMenu()), kTextMenu);
    EXPECT_EQ(layoutOf(menus.searchMenu()), QStringLiteral("&Найти...|&Перейти..."));
    EXPECT_EQ(layoutOf(menus.helpMenu()), kHelpMenu);

    const QString context =
        QStringLiteral("Прочитано:\t{}|Время чтения:\t|Размер файла:\t|Название:\t|-|Буфер|"
                       "&Правка{Копировать всё|-|Читать из буфера как &текстовый документ|"
                       "Читать из буфера как &HTML-документ|Читать из буфера как документ MS &Word}|-|"
                       "&Открыть файл...|&История...|-|Параметры &текста{") +
        kTextMenu +
        QStringLiteral("}|&Закладки...|&Поиск{&Найти...|&Перейти...}|Автоскро&ллинг|-|Полный &экран|"
                       "П&араметры...|&Справка{") +
        kHelpMenu + QStringLiteral("}|-|Св&ернуть|В&ыход");
    EXPECT_EQ(layoutOf(&window.contextMenu()), context);
}

TEST(MainWindow, ToolBarHoldsTheDropDownsWithTheirMenus) {
    MainWindow window;
    MainToolBar& bar = window.toolBar();
    EXPECT_EQ(bar.textButton()->text(), QStringLiteral("Текст"));
    EXPECT_EQ(bar.textButton()->toolTip(), QStringLiteral("Настройка параметров текста"));
    EXPECT_EQ(bar.textButton()->defaultAction()->menu(), window.menus().textMenu());
    EXPECT_EQ(bar.encodingButton()->text(), QStringLiteral("Кодировка"));
    EXPECT_EQ(bar.encodingButton()->defaultAction()->menu(), window.menus().encodingMenu());
    EXPECT_EQ(bar.searchButton()->text(), QStringLiteral("Поиск"));
    EXPECT_EQ(bar.searchButton()->toolTip(), QStringLiteral("Поиск и переход по тексту"));
    EXPECT_EQ(bar.helpButton()->defaultAction()->menu(), window.menus().helpMenu());
    for (QToolButton* button : {bar.textButton(), bar.encodingButton(), bar.searchButton(), bar.helpButton()})
        EXPECT_EQ(button->popupMode(), QToolButton::InstantPopup);
    EXPECT_EQ(bar.searchButton()->defaultAction()->menu(), window.menus().searchMenu());
}

TEST(MainWindow, ToolBarAppearances) {
    struct Case {
        int type;
        int iconSize;
        Qt::ToolButtonStyle style;
    };
    const std::vector<Case> cases = {
        {0, 36, Qt::ToolButtonIconOnly},       {1, 36, Qt::ToolButtonTextUnderIcon}, {2, 18, Qt::ToolButtonIconOnly},
        {3, 18, Qt::ToolButtonTextBesideIcon}, {4, 18, Qt::ToolButtonTextOnly},      {-3, 36, Qt::ToolButtonIconOnly},
        {99, 18, Qt::ToolButtonTextOnly},
    };
    MainWindow window;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        window.toolBar().setAppearance(c.type);
        EXPECT_EQ(window.toolBar().toolButtonStyle(), c.style);
        if (c.style != Qt::ToolButtonTextOnly) {
            EXPECT_EQ(window.toolBar().iconSize(), QSize(c.iconSize, c.iconSize));
        }
    }
}

TEST(MainWindow, EncodingItemsShareIndexAndCheckMarkInAllThreeMenus) {
    MainWindow window;
    RadioMenuItems& encodings = *window.menus().encodings();
    const QStringList captions = {QStringLiteral("&DOS (CP866)"), QStringLiteral("&Windows (CP1251)"),
                                  QStringLiteral("&Unicode"),     QStringLiteral("UTF-8"),
                                  RadioMenuItems::separator(),    QStringLiteral("Western European (CP1252)"),
                                  QStringLiteral("koi8r")};
    encodings.setItems(captions);
    const std::vector<QMenu*> menus = {
        window.menus().encodingMenu(),
        window.menus().textMenu()->findChild<QMenu*>(QStringLiteral("encodingSubmenu")),
        window.contextMenu()
            .findChild<QMenu*>(QStringLiteral("textSubmenu"))
            ->findChild<QMenu*>(QStringLiteral("encodingSubmenu")),
    };
    ASSERT_TRUE(menus[1] && menus[2]);
    ASSERT_NE(menus[1], menus[2]);
    for (QMenu* menu : menus) {
        ASSERT_EQ(menu->actions().size(), captions.size());
        EXPECT_TRUE(menu->actions()[4]->isSeparator());
        EXPECT_EQ(menu->actions()[6]->data().toInt(), 6);
        EXPECT_FALSE(menu->actions()[0]->isEnabled()) << "no book yet";
    }
    EXPECT_FALSE(encodings.isChoice(4));
    EXPECT_FALSE(encodings.isChoice(7));
    EXPECT_TRUE(encodings.isChoice(6));

    window.setBookOpen(true);
    QSignalSpy chosen(&encodings, &RadioMenuItems::chosen);
    menus[2]->actions()[6]->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 6);
    for (QMenu* menu : menus)
        EXPECT_TRUE(menu->actions()[6]->isChecked());

    encodings.setCurrent(1);
    EXPECT_EQ(encodings.current(), 1);
    EXPECT_FALSE(menus[0]->actions()[6]->isChecked());
    encodings.setCurrent(4);
    EXPECT_EQ(encodings.current(), -1) << "a separator cannot be current";

    // Refilling (the character maps arrive later) replaces the items everywhere.
    encodings.setItems({QStringLiteral("&DOS (CP866)"), QStringLiteral("&Windows (CP1251)")});
    for (QMenu* menu : menus)
        EXPECT_EQ(menu->actions().size(), 2);
}

TEST(MainWindow, SegmentItemsAppearInTheStatusBarMenuAndUnderTheFirstStatisticsItem) {
    MainWindow window;
    RadioMenuItems& segments = *window.menus().segments();
    segments.setItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    segments.setCurrent(2);
    QMenu* copy = window.contextMenu().actions().first()->menu();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(layoutOf(copy), QStringLiteral("1|2|3"));
    EXPECT_EQ(layoutOf(window.menus().segmentMenu()), QStringLiteral("1|2|3"));
    EXPECT_TRUE(copy->actions()[2]->isChecked());
    segments.setItems({});
    EXPECT_TRUE(copy->isEmpty());
}

TEST(MainWindow, ContextMenuRepeatsTheStatusBarAndCutsLongNames) {
    MainWindow window;
    StatusBar& bar = window.readerStatusBar();
    bar.setPanelText(StatusBar::PercentPanel, QStringLiteral("4.00 %"));
    bar.setPanelText(StatusBar::ReadingTimePanel, QStringLiteral("1:00:05  (3:00:15)"));
    bar.setPanelText(StatusBar::FileSizePanel, QStringLiteral("97.7 КБ"));
    bar.setPanelText(StatusBar::FileNamePanel, QStringLiteral("Tom & Jerry and friends.txt"));
    emit window.contextMenu().aboutToShow();
    const QList<QAction*> items = window.contextMenu().actions();
    EXPECT_EQ(items[0]->text(), QStringLiteral("Прочитано:\t4.00 %"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Время чтения:\t1:00:05  (3:00:15)"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("Размер файла:\t97.7 КБ"));
    EXPECT_EQ(items[3]->text(), QStringLiteral("Название:\tTom && Jerry and..."));
    EXPECT_EQ(bar.panelText(StatusBar::FileNamePanel), QStringLiteral("Tom & Jerry and friends.txt"));

    bar.setPanelText(StatusBar::FileNamePanel, QStringLiteral("Пятнадцать букв"));
    emit window.contextMenu().aboutToShow();
    EXPECT_EQ(items[3]->text(), QStringLiteral("Название:\tПятнадцать букв"));
}

TEST(MainWindow, KeyPreviewSeesKeysBeforeTheFocusedWidgetOnce) {
    MainWindow window;
    window.show();
    QWidget* area = window.readingArea();
    area->setFocus();
    ASSERT_EQ(window.focusWidget(), area);

    int seen = 0;
    bool consume = true;
    window.setKeyPreview([&](QKeyEvent& key) {
        if (key.type() == QEvent::KeyPress)
            ++seen;
        return consume && key.key() == Qt::Key_Space;
    });
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(QApplication::sendEvent(area, &space));
    EXPECT_EQ(seen, 1);

    // Passed on and ignored by the placeholder, the key climbs to the window without a second look.
    consume = false;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(area, &down);
    EXPECT_EQ(seen, 2);
}

TEST(MainWindow, DroppedFileIsAnnouncedOnce) {
    MainWindow window;
    QSignalSpy dropped(&window, &MainWindow::fileDropped);
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.txt")),
                  QUrl::fromLocalFile(QStringLiteral("/books/a.txt")),
                  QUrl::fromLocalFile(QStringLiteral("/books/b.txt"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0][0].toString(), QStringLiteral("/books/a.txt"));

    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST(MainWindow, ClosingRunsEveryStepOnceInOrderEvenWhenOneFails) {
    MainWindow window;
    window.show();
    QStringList ran;
    window.addClosingStep([&] { ran << QStringLiteral("stop autoscroll"); });
    window.addClosingStep([&] {
        ran << QStringLiteral("failing");
        throw std::runtime_error("disk full");
    });
    window.addClosingStep([&] { ran << QStringLiteral("save settings"); });

    findAction(window, "exitAction")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ran, (QStringList{QStringLiteral("stop autoscroll"), QStringLiteral("failing"),
                                QStringLiteral("save settings")}));
    EXPECT_FALSE(window.acceptDrops());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    window.close();
    EXPECT_EQ(ran.size(), 3) << "the settings are saved once";
}

TEST(MainWindow, ReadingAreaCanBeReplaced) {
    MainWindow window;
    auto* view = new QWidget;
    window.setReadingArea(view);
    EXPECT_EQ(window.readingArea(), view);
    EXPECT_EQ(view->contextMenuPolicy(), Qt::CustomContextMenu);
}
