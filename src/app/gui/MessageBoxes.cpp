#include "app/gui/MessageBoxes.h"

#include "view/gui/StatusBar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace Lecterna {

namespace {

RecordedMessageBoxes* g_recorder = nullptr;
QPointer<StatusBar> g_statusTarget;

QString& errorCaptionStorage() {
    static QString caption = QStringLiteral("Ошибка");
    return caption;
}

void showBox(RecordedMessageBoxes::Kind kind, const QString& caption, const QString& text) {
    if (g_recorder) {
        g_recorder->record({kind, caption, text});
        return;
    }
    // No parent: the box belongs to the application, not to whichever window happens to be active,
    // and blocks every window until answered.
    QMessageBox box(kind == RecordedMessageBoxes::Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, caption,
                    text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void ErrorBox(const QString& text) {
    showBox(RecordedMessageBoxes::Kind::Error, errorCaptionStorage(), text);
}

void ErrorBoxWithCause(const QString& text, const QString& cause) {
    showBox(RecordedMessageBoxes::Kind::Error, errorCaptionStorage(), cause + QStringLiteral("\n\n") + text);
}

void ErrorBoxWithCause(const QString& text, const std::exception& cause) {
    ErrorBoxWithCause(text, QString::fromUtf8(cause.what()));
}

void InfoBox(const QString& text, const QString& caption) {
    showBox(RecordedMessageBoxes::Kind::Info, caption, text);
}

void setErrorCaption(const QString& caption) {
    errorCaptionStorage() = caption;
}

QString errorCaption() {
    return errorCaptionStorage();
}

void ShowStatus(const QString& text) {
    if (g_statusTarget)
        g_statusTarget->showStatus(text);
}

void setStatusTarget(StatusBar* statusBar) {
    g_statusTarget = statusBar;
}

void WaitWithMessages(int ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    QCoreApplication::processEvents();
    // A nested loop sleeps until an event or the timer arrives instead of spinning; timers may fire
    // a little early, hence the loop on the monotonic count.
    for (qint64 left = ms - elapsed.elapsed(); left > 0; left = ms - elapsed.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

RecordedMessageBoxes::RecordedMessageBoxes() : m_previous(g_recorder) {
    g_recorder = this;
}

RecordedMessageBoxes::~RecordedMessageBoxes() {
    g_recorder = m_previous;
}

} // namespace Lecterna
