#include "app/gui/FullScreenSwitcher.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace Lecterna {

FullScreenSwitcher::FullScreenSwitcher(QMainWindow& window) : QObject(&window), m_window(window) {
    qApp->installEventFilter(this);
}

FullScreenSwitcher::~FullScreenSwitcher() {
    qApp->removeEventFilter(this);
}

std::vector<QWidget*> FullScreenSwitcher::bars() const {
    std::vector<QWidget*> result;
    for (QToolBar* bar : m_window.findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly))
        result.push_back(bar);
    // statusBar() would create one; only an existing one is hidden.
    if (auto* status = m_window.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        result.push_back(status);
    return result;
}

void FullScreenSwitcher::setFullScreen(bool on) {
    if (on == m_fullScreen)
        return;
    emit aboutToSwitch(on);
    m_window.setUpdatesEnabled(false);
    if (on)
        enter();
    else
        leave();
    m_fullScreen = on;
    m_window.setUpdatesEnabled(true);
    emit switched(on);
}

void FullScreenSwitcher::enter() {
    m_savedGeometry = m_window.saveGeometry();
    m_savedState = m_window.windowState();
    m_savedFlags = m_window.windowFlags();
    m_savedMouseTracking = m_window.hasMouseTracking();
    m_savedBars.clear();
    m_hotSpotBars.clear();
    for (QWidget* bar : bars()) {
        m_savedBars.emplace_back(bar, bar->isVisible());
        if (bar->isVisible() && qobject_cast<QToolBar*>(bar))
            m_hotSpotBars.emplace_back(bar);
        bar->hide();
    }
    const QRect screen = m_window.screen() ? m_window.screen()->geometry() : m_window.geometry();
    // A new frame makes the window hide; it is shown again over the whole screen.
    m_window.setWindowFlags(m_savedFlags | Qt::FramelessWindowHint);
    m_window.setGeometry(screen);
    m_window.setWindowState((m_savedState & ~(Qt::WindowMaximized | Qt::WindowMinimized)) | Qt::WindowFullScreen);
    m_window.setMouseTracking(true); // the hot spot needs moves without a button held
    m_window.show();
}

void FullScreenSwitcher::leave() {
    m_window.setMouseTracking(m_savedMouseTracking);
    m_window.setWindowFlags(m_savedFlags);
    m_window.setWindowState(Qt::WindowNoState);
    // Position and size first, which is also the size to come back to from maximised; the
    // state after the window is shown again, so that the window system applies it.
    m_window.restoreGeometry(m_savedGeometry);
    for (const auto& [bar, shown] : m_savedBars)
        if (bar)
            bar->setVisible(shown);
    m_savedBars.clear();
    m_hotSpotBars.clear();
    m_window.show();
    m_window.setWindowState(m_savedState);
}

bool FullScreenSwitcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && m_fullScreen && !m_hotSpotSuspended && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPoint globalPos = move->globalPosition().toPoint();
        const bool seen = move->timestamp() == m_lastMoveTime && globalPos == m_lastMovePos;
        if (widget->window() == &m_window && !seen) {
            m_lastMoveTime = move->timestamp();
            m_lastMovePos = globalPos;
            mouseMoved(widget, globalPos);
        }
    }
    return QObject::eventFilter(watched, event);
}

void FullScreenSwitcher::mouseMoved(QWidget* over, const QPoint& globalPos) {
    bool shown = false;
    for (const QPointer<QWidget>& tool : m_hotSpotBars) {
        // Moving on the tool bar itself keeps it.
        if (tool && (tool == over || tool->isAncestorOf(over)))
            return;
        shown = shown || (tool && tool->isVisible());
    }
    // Over the text below a shown tool bar it goes; near the top edge it comes.
    if (!shown && m_window.mapFromGlobal(globalPos).y() >= kHotSpotPixels)
        return;
    for (const QPointer<QWidget>& tool : m_hotSpotBars)
        if (tool)
            tool->setVisible(!shown);
}

} // namespace Lecterna
