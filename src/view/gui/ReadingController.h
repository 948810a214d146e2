#pragma once

#include "app/Clock.h"
#include "app/ProgressSink.h"
#include "document/CodePage.h"
#include "view/Reader.h"

#include <QObject>

#include <map>
#include <memory>

namespace Lecterna {

class CursorHider;
class FontCommands;
class MainWindow;
class NavigationController;
class ProgressWindow;
class ReadingPulse;
class ReadingArea;
class SavedState;

// Binds the reading window's frame (commands, menus, status bar), the reading area and the reading
// session: commands go to the session, and after each one the area and the status bar are brought
// in step with what the session holds. It is also the session's host: it measures fonts with Qt,
// shows progress captions and windows, and shows the message boxes.
class ReadingController : public QObject, public ReaderHost, private RecodeObserver {
    Q_OBJECT
public:
    // `clock` times autoscroll (tests pass one they move by hand).
    ReadingController(MainWindow& window, SavedState& state, std::string decimalSeparator, QObject* parent = nullptr,
                      const Clock& clock = SystemClock::instance());
    ~ReadingController() override;

    Reader& reader() { return *m_reader; }
    ReadingArea& area() { return *m_area; }
    FontCommands& fontCommands() { return *m_fontCommands; }
    ReadingPulse& pulse() { return *m_pulse; }
    CursorHider& cursorHider() { return *m_cursorHider; }
    // Keys, clicks, the wheel, full screen and autoscroll.
    NavigationController& navigation() { return *m_navigation; }

    // Opens a file by name with the type its name gives it; false (after a message) when it
    // could not be opened.
    bool openFile(const QString& path);
    bool openBook(const TBook& request);
    // Applies the settings that shape the view (colours, margins, texture, smoothing, two pages).
    void applySettings();
    // Brings the area, check marks and status bar in step with the session.
    void refresh();

    // One second of the reading pulse, which beats only while the window is active.
    void secondElapsed();

    // --- ReaderHost ---
    ByteMetrics prepareFont(const ReadingFont& font, int displayCodePage, bool showAllSymbols,
                            int letterSpacing) override;
    double screenDpi() const override;
    int scrollBarWidth() const override;
    RecodeObserver& recodeObserver() override { return *this; }
    void showStatus(std::string_view text) override;
    void errorBox(const std::string& text) override;
    void infoBox(const std::string& text, const std::string& caption) override;

signals:
    // The open book changed (opened, closed, another one opened).
    void bookChanged();

private:
    ProgressSink& stageStarted(RecodeStage stage) override;
    void stageFinished(RecodeStage stage) override;

    void connectCommands();
    void updateStatusPanels();
    void updateChecks();
    const CodePage& codePage(int number);
    void openChosenFile();

    MainWindow& m_window;
    SavedState& m_state;
    ReadingArea* m_area;
    std::unique_ptr<Reader> m_reader;
    std::unique_ptr<NavigationController> m_navigation; // goes before the session it moves
    std::map<int, CodePage> m_codePages;
    std::unique_ptr<ProgressWindow> m_progress;
    NullProgress m_nullProgress;
    std::unique_ptr<FontCommands> m_fontCommands;
    ReadingPulse* m_pulse;
    CursorHider* m_cursorHider;
    uint64_t m_shownGeneration = ~uint64_t(0);
    int64_t m_shownSegment = -1;
    bool m_refreshing = false;
};

} // namespace Lecterna
