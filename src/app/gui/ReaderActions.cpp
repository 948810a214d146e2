#include "app/gui/ReaderActions.h"

#include "app/gui/ToolIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace Lecterna {

namespace {

enum Flag {
    Plain = 0,
    Checkable = 1,
    NeedsBook = 2,
    // Active only while autoscroll runs (the speed commands).
    DuringAutoscroll = 4,
};

struct Definition {
    ReaderActions::Id id;
    const char* objectName;
    const char* caption;
    const char* hint;
    int icon;
    int flags;
    QList<QKeySequence> keys;
};

constexpr int kNoIcon = -1;

QKeySequence key(QKeyCombination combination) {
    return QKeySequence(combination);
}

const QKeySequence kKeypadPlus(Qt::KeypadModifier | Qt::Key_Plus);
const QKeySequence kKeypadMinus(Qt::KeypadModifier | Qt::Key_Minus);

const std::vector<Definition>& definitions() {
    using A = ReaderActions;
    using I = ToolIcons;
    static const std::vector<Definition> table = {
        {A::Open, "openAction", "&Открыть файл...", "Открыть файл", I::Open, Plain, {key(Qt::Key_F3)}},
        {A::History, "historyAction", "&История...", "Ранее открывавшиеся файлы", I::History, Plain, {key(Qt::Key_F4)}},
        {A::ChooseFont, "chooseFontAction", "&Выбрать шрифт...", "", kNoIcon, NeedsBook, {key(Qt::Key_F9)}},
        {A::FitSize, "fitSizeAction", "&Подбор размера", "", kNoIcon, NeedsBook, {key(Qt::CTRL | Qt::Key_F9)}},
        {A::WordWrap,
         "wordWrapAction",
         "&Перенос по словам",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_W)}},
        {A::Justify,
         "justifyAction",
         "Выравнивание по ширине",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_J)}},
        {A::Find, "findAction", "&Найти...", "", kNoIcon, NeedsBook, {key(Qt::Key_F7)}},
        {A::GoTo, "goToAction", "&Перейти...", "", kNoIcon, NeedsBook, {key(Qt::CTRL | Qt::Key_F7)}},
        {A::Buffer, "bufferAction", "Буфер", "", I::Buffer, Checkable | NeedsBook, {key(Qt::CTRL | Qt::Key_C)}},
        {A::Autoscroll,
         "autoscrollAction",
         "Автоскро&ллинг",
         "",
         I::Autoscroll,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_Down)}},
        {A::Settings,
         "settingsAction",
         "П&араметры...",
         "Настройка программных установок",
         I::Settings,
         Plain,
         {key(Qt::Key_F10)}},
        {A::FullScreen,
         "fullScreenAction",
         "Полный &экран",
         "",
         I::FullScreen,
         Checkable,
         {key(Qt::Key_F11), key(Qt::ALT | Qt::Key_Return)}},
        {A::Help, "helpAction", "&Справка", "", I::Help, Plain, {key(Qt::Key_F1)}},
        {A::Minimize, "minimizeAction", "Св&ернуть", "", kNoIcon, Plain, {key(Qt::ALT | Qt::Key_F10)}},
        {A::Exit, "exitAction", "В&ыход", "", I::Exit, Plain, {key(Qt::ALT | Qt::Key_F4)}},
        {A::FontLarger,
         "fontLargerAction",
         "Увеличить шрифт",
         "Увеличить шрифт на один пункт",
         I::FontLarger,
         NeedsBook,
         {kKeypadPlus}},
        {A::FontSmaller,
         "fontSmallerAction",
         "Уменьшить шрифт",
         "Уменьшить шрифт на один пункт",
         I::FontSmaller,
         NeedsBook,
         {kKeypadMinus}},
        {A::SpeedUp,
         "speedUpAction",
         "Увеличить скорость",
         "Увеличить скорость автоскроллинга",
         I::SpeedUp,
         DuringAutoscroll,
         {}},
        {A::SlowDown,
         "slowDownAction",
         "Уменьшить скорость",
         "Уменьшить скорость автоскроллинга",
         I::SlowDown,
         DuringAutoscroll,
         {}},
        {A::Bookmarks,
         "bookmarksAction",
         "&Закладки...",
         "Установить или перейти к закладке",
         I::Bookmarks,
         NeedsBook,
         {key(Qt::CTRL | Qt::Key_B)}},
        {A::ShowAllSymbols, "showAllSymbolsAction", "&Показывать все символы", "", kNoIcon, Checkable | NeedsBook, {}},
        {A::RecogniseParagraphs,
         "recogniseParagraphsAction",
         "&Распознавать абзацы",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {}},
        {A::ResetFormat, "resetFormatAction", "&Сброс формата", "", kNoIcon, NeedsBook, {}},
        {A::LineSingle,
         "lineSingleAction",
         "&Одинарный",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_1)}},
        {A::LineOneAndHalf,
         "lineOneAndHalfAction",
         "&Полуторный",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_5)}},
        {A::LineDouble,
         "lineDoubleAction",
         "&Двойной",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_2)}},
        {A::LineMaximum,
         "lineMaximumAction",
         "&Максимальный",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_9)}},
        {A::LineCustom,
         "lineCustomAction",
         "&Настраиваемый",
         "",
         kNoIcon,
         Checkable | NeedsBook,
         {key(Qt::CTRL | Qt::Key_0)}},
        {A::LettersCondensed, "lettersCondensedAction", "&Сжатый", "", kNoIcon, Checkable | NeedsBook, {}},
        {A::LettersNormal, "lettersNormalAction", "&Нормальный", "", kNoIcon, Checkable | NeedsBook, {}},
        {A::LettersExpanded, "lettersExpandedAction", "&Разреженный", "", kNoIcon, Checkable | NeedsBook, {}},
        {A::CopyAll, "copyAllAction", "Копировать всё", "Копировать всё", kNoIcon, NeedsBook, {}},
        {A::ReadClipboardText,
         "readClipboardTextAction",
         "Читать из буфера как &текстовый документ",
         "",
         kNoIcon,
         Plain,
         {}},
        {A::ReadClipboardHtml,
         "readClipboardHtmlAction",
         "Читать из буфера как &HTML-документ",
         "",
         kNoIcon,
         Plain,
         {}},
        {A::ReadClipboardWord,
         "readClipboardWordAction",
         "Читать из буфера как документ MS &Word",
         "",
         kNoIcon,
         Plain,
         {}},
        {A::Alarm, "alarmAction", "Будильник", "Настройка Будильника", I::Alarm, Plain, {}},
        {A::KeyboardHelp, "keyboardHelpAction", "&Управление с клавиатуры", "", kNoIcon, Plain, {}},
        {A::OpenDialogHelp, "openDialogHelpAction", "&Диалог \"Открыть\"", "", kNoIcon, Plain, {}},
        {A::HistoryHelp, "historyHelpAction", "&Работа с \"Историей\"", "", kNoIcon, Plain, {}},
        {A::BookmarksHelp, "bookmarksHelpAction", "Диалог \"Закладки\"", "", kNoIcon, Plain, {}},
        {A::SettingsHelp, "settingsHelpAction", "&Настройка", "", kNoIcon, Plain, {}},
        {A::SelfDiagnostics, "selfDiagnosticsAction", "&Самодиагностика", "", kNoIcon, Plain, {}},
        {A::License, "licenseAction", "&Лицензионное соглашение", "", kNoIcon, Plain, {}},
        {A::About, "aboutAction", "&О программе", "", kNoIcon, Plain, {}},
    };
    return table;
}

int flagsOf(ReaderActions::Id id) {
    for (const Definition& d : definitions())
        if (d.id == id)
            return d.flags;
    return Plain;
}

} // namespace

ReaderActions::ReaderActions(QWidget* window) : QObject(window) {
    for (const Definition& d : definitions()) {
        auto* action = new QAction(QString::fromUtf8(d.caption), this);
        action->setObjectName(QString::fromLatin1(d.objectName));
        const QString hint = QString::fromUtf8(d.hint);
        if (!hint.isEmpty()) {
            action->setToolTip(hint);
            action->setStatusTip(hint);
        }
        if (d.icon != kNoIcon)
            action->setIcon(ToolIcons::icon(static_cast<ToolIcons::Id>(d.icon)));
        action->setCheckable(d.flags & Checkable);
        action->setShortcuts(d.keys);
        // The window, not a menu, owns the shortcuts: they must work while the tool bar is hidden.
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(!(d.flags & (NeedsBook | DuringAutoscroll)));
        m_actions[d.id] = action;
        window->addAction(action);
    }
    Q_ASSERT(std::find(m_actions.begin(), m_actions.end(), nullptr) == m_actions.end());

    m_lineSpacing = new QActionGroup(this);
    for (Id id : {LineSingle, LineOneAndHalf, LineDouble, LineMaximum, LineCustom})
        m_lineSpacing->addAction(m_actions[id]);
    m_letterSpacing = new QActionGroup(this);
    for (Id id : {LettersCondensed, LettersNormal, LettersExpanded})
        m_letterSpacing->addAction(m_actions[id]);
}

void ReaderActions::setBookOpen(bool open) {
    m_bookOpen = open;
    for (int i = 0; i < Count; ++i) {
        const Id id = static_cast<Id>(i);
        const int flags = flagsOf(id);
        if (flags & NeedsBook)
            m_actions[i]->setEnabled(open && !(m_speedKeys && (id == FontLarger || id == FontSmaller)));
        else if (flags & DuringAutoscroll)
            m_actions[i]->setEnabled(open && m_speedKeys);
    }
}

void ReaderActions::setSpeedKeysActive(bool active) {
    m_speedKeys = active;
    m_actions[FontLarger]->setShortcuts(active ? QList<QKeySequence>{} : QList<QKeySequence>{kKeypadPlus});
    m_actions[FontSmaller]->setShortcuts(active ? QList<QKeySequence>{} : QList<QKeySequence>{kKeypadMinus});
    m_actions[SpeedUp]->setShortcuts(active ? QList<QKeySequence>{kKeypadPlus} : QList<QKeySequence>{});
    m_actions[SlowDown]->setShortcuts(active ? QList<QKeySequence>{kKeypadMinus} : QList<QKeySequence>{});
    setBookOpen(m_bookOpen);
}

} // namespace Lecterna
