#include "app/gui/ScreenSaverInhibitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEvent>
#include <QWidget>

namespace Lecterna {

namespace {

QDBusMessage methodCall(const char* method) {
    return QDBusMessage::createMethodCall(
        QString::fromLatin1(ScreenSaverInhibitor::kService), QString::fromLatin1(ScreenSaverInhibitor::kPath),
        QString::fromLatin1(ScreenSaverInhibitor::kInterface), QString::fromLatin1(method));
}

void unInhibit(const QDBusConnection& bus, uint cookie) {
    QDBusMessage call = methodCall("UnInhibit");
    call << cookie;
    bus.call(call, QDBus::NoBlock);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QWidget& window, const QDBusConnection& bus)
    : QObject(&window), m_window(&window), m_bus(bus) {
    window.installEventFilter(this);
    setActive(window.isActiveWindow());
}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    // The screen saver also drops an inhibition when our connection to the bus closes; saying so
    // at once matters when the window goes and the program stays.
    m_wanted = false;
    release();
    if (m_pending) {
        // Answered after we are gone: give the inhibition back as soon as it is granted.
        m_pending->disconnect(this);
        m_pending->setParent(nullptr);
        connect(m_pending, &QDBusPendingCallWatcher::finished, m_pending, [bus = m_bus](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusPendingReply<uint> reply = *w;
            if (!reply.isError())
                unInhibit(bus, reply.value());
        });
    }
}

bool ScreenSaverInhibitor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::ActivationChange)
        setActive(m_window->isActiveWindow());
    return QObject::eventFilter(watched, event);
}

void ScreenSaverInhibitor::setActive(bool active) {
    m_wanted = active;
    if (active)
        inhibit();
    else
        release();
}

void ScreenSaverInhibitor::inhibit() {
    if (m_cookie || m_pending || !m_bus.isConnected())
        return;
    QDBusMessage call = methodCall("Inhibit");
    call << QStringLiteral("Lecterna") << QStringLiteral("Чтение");
    // Asynchronous: a screen saver that is slow to answer must not hold up the window.
    m_pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(m_pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_pending = nullptr;
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError())
            return; // no screen saver on the bus: nothing to do
        m_cookie = reply.value();
        // The window may have lost the focus while the answer was on its way.
        if (!m_wanted)
            release();
    });
}

void ScreenSaverInhibitor::release() {
    if (!m_cookie)
        return;
    const uint cookie = *m_cookie;
    m_cookie.reset();
    unInhibit(m_bus, cookie);
}

} // namespace Lecterna
