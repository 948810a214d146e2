#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Lecterna"));
    w.resize(525, 372);
    w.show();
    return app.exec();
}
