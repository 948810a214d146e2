#pragma once

#include <QObject>

#include <array>

class QAction;
class QActionGroup;
class QWidget;

namespace Lecterna {

// Every command of the reading window with its caption, hint, shortcut and picture. The same
// QAction is placed in the tool bar, the drop-down menus and the context menu, so a check mark or
// an enabled state changes everywhere at once. Reading commands stay disabled until a book is open.
class ReaderActions : public QObject {
    Q_OBJECT
public:
    enum Id {
        Open,
        History,
        ChooseFont,
        FitSize,
        WordWrap,
        Justify,
        Find,
        GoTo,
        Buffer,
        Autoscroll,
        Settings,
        FullScreen,
        Help,
        Minimize,
        Exit,
        FontLarger,
        FontSmaller,
        SpeedUp,
        SlowDown,
        Bookmarks,
        ShowAllSymbols,
        RecogniseParagraphs,
        ResetFormat,
        LineSingle,
        LineOneAndHalf,
        LineDouble,
        LineMaximum,
        LineCustom,
        LettersCondensed,
        LettersNormal,
        LettersExpanded,
        CopyAll,
        ReadClipboardText,
        ReadClipboardHtml,
        ReadClipboardWord,
        Alarm,
        KeyboardHelp,
        OpenDialogHelp,
        HistoryHelp,
        BookmarksHelp,
        SettingsHelp,
        SelfDiagnostics,
        License,
        About,
    };
    static constexpr int Count = About + 1;

    // The actions are added to `window` so that their shortcuts work wherever the focus is.
    explicit ReaderActions(QWidget* window);

    QAction* action(Id id) const { return m_actions[id]; }
    QActionGroup* lineSpacingGroup() const { return m_lineSpacing; }
    QActionGroup* letterSpacingGroup() const { return m_letterSpacing; }

    // Enables the commands that act on an open book.
    void setBookOpen(bool open);
    bool bookOpen() const { return m_bookOpen; }

    // Autoscroll hands the numeric keypad + and − from the font size commands to the speed
    // commands while it runs, and back when it stops.
    void setSpeedKeysActive(bool active);

private:
    std::array<QAction*, Count> m_actions{};
    QActionGroup* m_lineSpacing = nullptr;
    QActionGroup* m_letterSpacing = nullptr;
    bool m_bookOpen = false;
    bool m_speedKeys = false;
};

} // namespace Lecterna
