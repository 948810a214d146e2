#include "app/gui/ProgressWindow.h"

#include "app/Clock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace Lecterna {

namespace {

// The bar counts in steps of its own: texts are far longer than an int, and finer steps than
// these would only cost repaints.
constexpr int kBarSteps = 1000;

} // namespace

ProgressWindow::ProgressWindow(const QString& caption, QSize size, QWidget* parent)
    : ProgressWindow(caption, size, SystemClock::instance(), parent) {}

ProgressWindow::ProgressWindow(const QString& caption, QSize size, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), m_clock(clock) {
    // Events are processed while the operation runs; nothing else may be started meanwhile.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(size);
    setAutoFillBackground(true);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    m_caption = new QLabel(caption, frame);
    m_caption->setObjectName(QStringLiteral("captionLabel"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(frame);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, kBarSteps);
    m_bar->setTextVisible(false);
    m_skipButton = new QPushButton(QStringLiteral("Пропустить"), frame);
    m_skipButton->setObjectName(QStringLiteral("skipButton"));
    connect(m_skipButton, &QPushButton::clicked, this, [this] { m_skip = true; });

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(m_caption);
    layout->addWidget(m_bar);
    layout->addWidget(m_skipButton, 0, Qt::AlignHCenter);
}

void ProgressWindow::showNow() {
    m_skip = false;
    m_position = 0;
    showPosition();
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
    m_skipButton->setFocus();
    repaint();
    QCoreApplication::processEvents();
    m_lastPump = m_clock.steadyMs();
    m_callsUntilClockRead = CallsPerClockRead;
}

void ProgressWindow::setMaximum(size_t maximum) {
    m_maximum = maximum;
    showPosition();
}

void ProgressWindow::setPosition(size_t position) {
    // Only remembered: the bar follows when events are processed next.
    m_position = position;
}

bool ProgressWindow::skipRequested() {
    // Reading the clock costs more than the rest of a typical caller's step.
    if (--m_callsUntilClockRead > 0)
        return m_skip;
    m_callsUntilClockRead = CallsPerClockRead;
    const int64_t now = m_clock.steadyMs();
    if (now - m_lastPump >= PumpIntervalMs) {
        m_lastPump = now;
        showPosition();
        QCoreApplication::processEvents();
    }
    return m_skip;
}

void ProgressWindow::showPosition() {
    const size_t position = std::min(m_position, m_maximum);
    const int step = m_maximum == 0 ? kBarSteps : int(double(position) * kBarSteps / double(m_maximum));
    m_bar->setValue(step);
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_skip = true;
        return;
    }
    QWidget::keyPressEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // A window-manager close while the operation runs means "stop"; the owner hides the window.
    if (event->spontaneous()) {
        m_skip = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace Lecterna
