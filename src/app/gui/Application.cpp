#include "app/gui/Application.h"

#include "app/Clock.h"
#include "app/PathSearch.h"
#include "app/ProcessFolders.h"
#include "app/SavedState.h"
#include "app/SettingsLocation.h"
#include "app/StartAction.h"
#include "app/TempDirectories.h"
#include "app/WindowPlacement.h"
#include "app/gui/MainToolBar.h"
#include "app/gui/MainWindow.h"
#include "app/gui/MessageBoxes.h"
#include "app/gui/SplashWindow.h"
#include "app/gui/TerminationSignals.h"
#include "document/CharacterMaps.h"
#include "view/gui/NavigationController.h"
#include "view/gui/ReadingController.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPalette>
#include <QScreen>
#include <QStandardPaths>

#include <cstdlib>
#include <memory>

namespace Lecterna {

using K = Settings::Key;

namespace {

constexpr const char* kMainWindowSection = "Form1";

uint32_t rgbOf(const QColor& c) { return static_cast<uint32_t>(c.rgb()) & 0xFFFFFFu; }

CharacterMaps loadCharacterMaps(const std::string& exeDir) {
    QFile file(QString::fromStdString(exeDir + "Lecterna.cmt"));
    if (!file.open(QIODevice::ReadOnly))
        return {}; // no file, no maps, no message
    const QByteArray bytes = file.readAll();
    CharacterMaps maps = CharacterMaps::load(readCmtSections(std::string_view(bytes.constData(), bytes.size())));
    for (const std::string& error : maps.errors())
        ErrorBox(QString::fromStdString(error));
    return maps;
}

Settings::Environment environmentAtStart(const std::string& exeDir) {
    Settings::Environment env;
    const QPalette palette = QApplication::palette();
    env.windowTextColour = rgbOf(palette.color(QPalette::WindowText));
    env.windowColour = rgbOf(palette.color(QPalette::Base));
    env.highlightColour = rgbOf(palette.color(QPalette::Highlight));
    env.fontSmoothing = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        env.screenWidth = screen->geometry().width();
    env.today = SystemClock::instance().today();
    const char* path = std::getenv("PATH");
    env.officeSuiteFound = findProgramOnPath("soffice", path ? path : "").has_value();
    env.exeDir = exeDir;
    env.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    env.shiftHeld = QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
    return env;
}

void applyPlacement(QWidget& window, const WindowPlacement& placement) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const WindowPlacement::Geometry g = placement.restore(screen ? screen->geometry().width() : 1024);
    if (g.maximised)
        window.setWindowState(Qt::WindowMaximized);
    else if (g.setBounds)
        window.setGeometry(g.left, g.top, g.width, g.height);
}

WindowPlacement placementOf(const QWidget& window) {
    const QRect r = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    return WindowPlacement::ofWindow(r.left(), r.top(), r.width(), r.height(), window.isMinimized(),
                                     window.isMaximized());
}

void decideStart(ReadingController& controller, const SavedState& state, const std::string& decimalSeparator) {
    StartInputs in;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        in.arguments.push_back(args[i].toStdString());
    in.shiftHeld = QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
    in.lastLoad = state.settings.flag(K::LastLoad);
    in.showHistoryOnStart = state.settings.flag(K::ShowHistoryOnStart);
    in.lastProgramStart = state.settings.date(K::LastProgramStart);
    in.today = SystemClock::instance().today();
    if (!state.history.isEmpty())
        in.firstHistoryEntry = StartInputs::HistoryHead{state.history.at(0).param.position, state.history.at(0).param.wasDone};
    in.decimalSeparator = decimalSeparator;

    const StartDecision decision = decideStartAction(in);
    switch (decision.action) {
    case StartAction::OpenFile:
        controller.openFile(QString::fromStdString(longFileName(decision.file)));
        break;
    case StartAction::OpenLastBook: {
        const HistoryEntry& last = state.history.at(0);
        TBook request;
        request.fileName = last.name;
        request.fileType = last.param.fileType;
        request.description = last.param.description;
        controller.openBook(request);
        break;
    }
    case StartAction::ShowHistory: // the History tab comes with the library dialog
    case StartAction::Nothing:
        break;
    }
}

} // namespace

int Application::run(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lecterna"));

    std::string exeDir = executableDir();
    if (exeDir.empty())
        exeDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    SettingsLocation location = SettingsLocation::fromEnvironment(exeDir);

    const TempDirCreation temp = createTempDir(systemTempFolder());
    if (temp.path.empty()) {
        ErrorBox(QString::fromStdString(temp.errorMessage));
        return temp.error ? temp.error : 1;
    }

    auto splash = std::make_unique<SplashWindow>();
    splash->showNow();

    TempDirectories leftovers;
    leftovers.cleanOld(*location.openSettingsForRead(), systemTempFolder());

    const std::string decimalSeparator = QLocale::system().decimalPoint().toStdString();
    SavedState state(SystemCodePages::fromEnvironment(), loadCharacterMaps(exeDir));
    WindowPlacement placement;
    {
        const auto store = location.openSettingsForRead();
        state.load(*store, environmentAtStart(exeDir));
        placement = WindowPlacement::read(*store, kMainWindowSection);
    }

    MainWindow window;
    ReadingController controller(window, state, decimalSeparator);
    window.toolBar().setAppearance(state.settings.integer(K::ToolBarType));
    TerminationSignals termination(&window); // Ctrl+C, kill and logout close like the window does

    window.addClosingStep([&controller] { controller.reader().storeBookState(); });
    window.addClosingStep([&] {
        location.writeIniMode();
        if (const auto store = location.openSettingsForWrite()) {
            state.saveSettings(*store, SystemClock::instance().today());
            placementOf(window).write(*store, kMainWindowSection);
            state.saveTemplatesAndHistory(*store);
            store->flush();
        }
    });

    // A termination signal read while a start-up message is up closes the window (and saves)
    // before the event loop runs; the loop would then wait for a window that never comes back.
    bool closed = false;
    window.addClosingStep([&closed] { closed = true; });

    applyPlacement(window, placement);
    window.show();
    controller.navigation().applyStartOptions();
    for (const std::string& message : location.takeMessages())
        ErrorBox(QString::fromStdString(message));

    if (!closed)
        decideStart(controller, state, decimalSeparator);
    splash.reset();

    const int code = closed ? 0 : app.exec();
    leftovers.removeTempDir(temp.path);
    leftovers.save(location);
    return code;
}

} // namespace Lecterna
