#include "app/gui/ScreenSaverInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>

using namespace Lecterna;

namespace {

// A screen saver of our own: it grants cookies and takes them back.
class FakeScreenSaver final : public QDBusVirtualObject {
public:
    std::set<uint> held;
    int calls = 0; // Inhibit calls received

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() == QLatin1String("Inhibit")) {
            held.insert(uint(++calls));
            return connection.send(message.createReply(QVariant::fromValue(uint(calls))));
        }
        held.erase(message.arguments().value(0).toUInt());
        return connection.send(message.createReply());
    }
};

bool settles(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 5000);
}

} // namespace

TEST(ScreenSaverInhibitor, HoldsAnInhibitionWhileTheWindowIsActive) {
    // A bus daemon of the test's own, so that nothing depends on a desktop session.
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        GTEST_SKIP() << "no dbus-daemon";
    QProcess bus;
    bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(bus.waitForStarted() && settles([&] { return bus.canReadLine(); }));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    FakeScreenSaver saver;
    {
        QDBusConnection service = QDBusConnection::connectToBus(address, QStringLiteral("test-screensaver"));
        ASSERT_TRUE(service.registerService(QString::fromLatin1(ScreenSaverInhibitor::kService)));
        ASSERT_TRUE(service.registerVirtualObject(QString::fromLatin1(ScreenSaverInhibitor::kPath), &saver));
        const QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("test-reader"));
        QWidget window;
        {
            ScreenSaverInhibitor inhibitor(window, client);
            inhibitor.setActive(true);
            ASSERT_TRUE(settles([&] { return inhibitor.isInhibiting(); }));
            inhibitor.setActive(true); // already held: no second inhibition
            inhibitor.setActive(false);
            EXPECT_FALSE(inhibitor.isInhibiting());
            EXPECT_TRUE(settles([&] { return saver.held.empty(); }));

            // Focus lost before the screen saver answered: the late cookie goes back.
            inhibitor.setActive(true);
            inhibitor.setActive(false);
            ASSERT_TRUE(settles([&] { return saver.calls == 2 && saver.held.empty(); }));
            EXPECT_FALSE(inhibitor.isInhibiting());

            inhibitor.setActive(true);
            ASSERT_TRUE(settles([&] { return inhibitor.isInhibiting(); }));
        }
        // Destroyed while holding one, and destroyed before the answer came.
        EXPECT_TRUE(settles([&] { return saver.held.empty(); }));
        ScreenSaverInhibitor(window, client).setActive(true);
        EXPECT_TRUE(settles([&] { return saver.calls == 4 && saver.held.empty(); }));

        // No screen saver on the bus: an error answer, and nothing else.
        service.unregisterService(QString::fromLatin1(ScreenSaverInhibitor::kService));
        ScreenSaverInhibitor unanswered(window, client);
        unanswered.setActive(true);
        QTest::qWait(200);
        EXPECT_FALSE(unanswered.isInhibiting());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("test-screensaver"));
    QDBusConnection::disconnectFromBus(QStringLiteral("test-reader"));
    bus.kill();
    bus.waitForFinished();

    // No bus at all.
    QWidget window;
    ScreenSaverInhibitor noBus(window, QDBusConnection(QStringLiteral("no-such-bus")));
    noBus.setActive(true);
    EXPECT_FALSE(noBus.isInhibiting());
}
