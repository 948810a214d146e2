#include "app/gui/MainWindow.h"
#include "app/gui/SplashWindow.h"
#include "app/gui/TerminationSignals.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lecterna"));

    auto splash = std::make_unique<Lecterna::SplashWindow>();
    splash->showNow();

    Lecterna::MainWindow window;
    // Ctrl+C in a terminal or a logout saves the settings like closing the window does.
    Lecterna::TerminationSignals termination(&window);
    window.show();

    splash.reset();
    return app.exec();
}
