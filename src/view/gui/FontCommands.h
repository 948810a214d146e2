#pragma once

#include <QObject>

#include <functional>

class QAction;

namespace Lecterna {

class MainWindow;
class Reader;
class Settings;

// The commands of the reading font: the font chooser (F9) with its preview and the encoding that
// follows the chosen character set, and size fitting (Ctrl+F9; Ctrl+Alt+F9 takes the other of the
// two ways of choosing the reference line, once). The size steps stay plain commands of the
// session; their enabled state follows the limits in the window's refresh.
class FontCommands : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kWaitCaption = "Ждите...";

    // `refresh` brings the window in step with the session after a command.
    FontCommands(MainWindow& window, Reader& reader, const Settings& settings, std::function<void()> refresh,
                 QObject* parent = nullptr);

    // Shows the chooser and waits for it. "Применить" shows the page in the chosen font (the
    // lines stay as they are); OK lays the text out in it; Cancel brings back the font the page
    // had, previews or not.
    void chooseFont();
    // Fits the character height to the window, with "Ждите..." in the window caption meanwhile.
    // `invertOnce` (Ctrl+Alt+F9): this fitting alone takes the widest line where the settings ask
    // for the smart choice, and the smart choice where they do not.
    void fitSize(bool invertOnce = false);

    // The Ctrl+Alt+F9 command; not in any menu.
    QAction* invertedFitAction() const { return m_invertedFit; }

private:
    MainWindow& m_window;
    Reader& m_reader;
    const Settings& m_settings;
    std::function<void()> m_refresh;
    QAction* m_invertedFit;
};

} // namespace Lecterna
