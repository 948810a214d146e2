#pragma once

#include <QMainWindow>

#include <functional>
#include <vector>

class QKeyEvent;

namespace Lecterna {

class MainToolBar;
class ReaderActions;
class ReaderMenus;
class ReadingContextMenu;
class StatusBar;

// The frame of the reading window: commands, tool bar, menus, status bar and the reading area in
// the middle. What the commands do is connected from outside; the frame provides the places to
// plug in: the key preview, dropped files and the steps run when the window closes.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 525;
    static constexpr int DefaultHeight = 372;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ReaderActions& actions() const { return *m_actions; }
    ReaderMenus& menus() const { return *m_menus; }
    MainToolBar& toolBar() const { return *m_toolBar; }
    StatusBar& readerStatusBar() const { return *m_statusBar; }
    ReadingContextMenu& contextMenu() const { return *m_contextMenu; }

    // The widget in the middle. The reading view replaces the placeholder through this call;
    // the window keeps wiring the context menu to whatever widget is there.
    QWidget* readingArea() const { return centralWidget(); }
    void setReadingArea(QWidget* area);

    // Enables the commands that need an open book.
    void setBookOpen(bool open);

    // Sees every key press and release meant for this window before the focused widget does;
    // returning true consumes the key. Shortcuts of the commands are matched before it.
    using KeyPreview = std::function<bool(QKeyEvent&)>;
    void setKeyPreview(KeyPreview preview) { m_keyPreview = std::move(preview); }

    // Steps run in order when the window closes (stop autoscroll, save the settings...). A step
    // that throws is passed over: nothing may keep the program from closing.
    void addClosingStep(std::function<void()> step) { m_closingSteps.push_back(std::move(step)); }

    // Opens the context menu at a screen position (the right button, Shift+F10).
    void showContextMenu(const QPoint& globalPos);

signals:
    // A file was dropped on the window; further files of the same drop are ignored.
    void fileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* createReadingArea();
    void centreOnScreen();

    ReaderActions* m_actions;
    ReaderMenus* m_menus;
    MainToolBar* m_toolBar;
    StatusBar* m_statusBar;
    ReadingContextMenu* m_contextMenu;
    KeyPreview m_keyPreview;
    std::vector<std::function<void()>> m_closingSteps;
    bool m_closed = false;
};

} // namespace Lecterna
