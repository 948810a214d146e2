#include "app/gui/ScreenSaverInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace Lecterna;

namespace {

// A screen saver of our own on a private bus: it grants cookies and takes them back.
class FakeScreenSaver final : public QDBusVirtualObject {
public:
    std::set<uint> held;
    int calls = 0; // Inhibit calls received
    QString application;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() == QLatin1String("Inhibit")) {
            ++calls;
            application = message.arguments().value(0).toString();
            held.insert(++m_next);
            connection.send(message.createReply(QVariant::fromValue(m_next)));
            return true;
        }
        if (message.member() == QLatin1String("UnInhibit")) {
            held.erase(message.arguments().value(0).toUInt());
            connection.send(message.createReply());
            return true;
        }
        return false;
    }

private:
    uint m_next = 0;
};

// A bus daemon of the test's own, so that nothing depends on a desktop session.
class PrivateBus : public ::testing::Test {
protected:
    void SetUp() override {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            GTEST_SKIP() << "no dbus-daemon";
        m_daemon.start(daemon,
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted() || !QTest::qWaitFor([this] { return m_daemon.canReadLine(); }, 5000))
            GTEST_SKIP() << "dbus-daemon did not start";
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_serviceBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_address, QStringLiteral("lecterna-test-screensaver")));
        ASSERT_TRUE(m_serviceBus->isConnected());
        ASSERT_TRUE(m_serviceBus->registerService(QString::fromLatin1(ScreenSaverInhibitor::kService)));
        ASSERT_TRUE(m_serviceBus->registerVirtualObject(QString::fromLatin1(ScreenSaverInhibitor::kPath), &saver));
    }
    void TearDown() override {
        if (m_serviceBus) {
            m_serviceBus->unregisterObject(QString::fromLatin1(ScreenSaverInhibitor::kPath));
            QDBusConnection::disconnectFromBus(QStringLiteral("lecterna-test-screensaver"));
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("lecterna-test-client"));
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    QDBusConnection clientBus() {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("lecterna-test-client"));
    }
    bool settles(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 5000); }

    FakeScreenSaver saver;
    std::unique_ptr<QDBusConnection> m_serviceBus;

private:
    QProcess m_daemon;
    QString m_address;
};

} // namespace

TEST_F(PrivateBus, InhibitsWhileTheWindowIsActive) {
    QWidget window;
    ScreenSaverInhibitor inhibitor(window, clientBus());
    EXPECT_FALSE(inhibitor.isInhibiting());

    inhibitor.setActive(true);
    ASSERT_TRUE(settles([&] { return inhibitor.isInhibiting(); }));
    EXPECT_EQ(saver.held.size(), 1u);
    EXPECT_EQ(saver.application, QStringLiteral("Lecterna"));
    inhibitor.setActive(true); // already held: no second inhibition
    inhibitor.setActive(false);
    EXPECT_FALSE(inhibitor.isInhibiting());
    EXPECT_TRUE(settles([&] { return saver.held.empty(); }));

    // Focus lost before the screen saver answered: the late cookie is given back.
    inhibitor.setActive(true);
    inhibitor.setActive(false);
    ASSERT_TRUE(settles([&] { return saver.calls == 2; }));
    EXPECT_TRUE(settles([&] { return saver.held.empty(); }));
    EXPECT_FALSE(inhibitor.isInhibiting());
}

TEST_F(PrivateBus, GivesTheInhibitionBackWhenDestroyed) {
    QWidget window;
    {
        ScreenSaverInhibitor inhibitor(window, clientBus());
        inhibitor.setActive(true);
        ASSERT_TRUE(settles([&] { return inhibitor.isInhibiting(); }));
    }
    EXPECT_TRUE(settles([&] { return saver.held.empty(); }));
    {
        // Destroyed before the answer came.
        ScreenSaverInhibitor inhibitor(window, clientBus());
        inhibitor.setActive(true);
    }
    ASSERT_TRUE(settles([&] { return saver.calls == 2; }));
    EXPECT_TRUE(settles([&] { return saver.held.empty(); }));
}

TEST_F(PrivateBus, NothingWhenNoScreenSaverAnswers) {
    m_serviceBus->unregisterService(QString::fromLatin1(ScreenSaverInhibitor::kService));
    QWidget window;
    ScreenSaverInhibitor inhibitor(window, clientBus());
    inhibitor.setActive(true);
    QTest::qWait(200);
    EXPECT_FALSE(inhibitor.isInhibiting());
    EXPECT_EQ(saver.calls, 0);
}

TEST(ScreenSaverInhibitor, WithoutABusOrAScreenSaverDoesNothing) {
    QWidget window;
    ScreenSaverInhibitor noBus(window, QDBusConnection(QStringLiteral("lecterna-no-such-bus")));
    noBus.setActive(true);
    QTest::qWait(50);
    EXPECT_FALSE(noBus.isInhibiting());
}
