// Desktop notifications as a notification service on a session bus receives them: a private
// bus daemon, with a small service of the freedesktop interface registered on it.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QVariantMap>
#include <string>
#include <vector>

#include "platform/desktop/desktop_notifications.h"
#include "qt_wait.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

// What a notification service is asked to show, as the desktop's would be.
class TestNotificationService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Received {
        QString applicationName;
        QString summary;
        QString body;
        int expireTimeout = 0;
    };
    std::vector<Received> received;

public slots:
    uint Notify(const QString& applicationName, uint /*replacesId*/, const QString& /*icon*/,
                const QString& summary, const QString& body, const QStringList& /*actions*/,
                const QVariantMap& /*hints*/, int expireTimeout) {
        received.push_back({applicationName, summary, body, expireTimeout});
        return static_cast<uint>(received.size());
    }
};

// A session bus of the test's own, ended with the test.
class PrivateBus {
public:
    // Empty when no bus could be started; `whyNot` says why.
    static std::string start(QProcess& daemon, std::string& whyNot) {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (program.isEmpty()) {
            whyNot = "dbus-daemon is not installed (package dbus-daemon)";
            return {};
        }
        daemon.start(program, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                               QStringLiteral("--print-address")});
        if (!daemon.waitForStarted(5000) || !test::ProcessEventsUntil([&daemon] {
                daemon.waitForReadyRead(50);
                return daemon.canReadLine();
            })) {
            whyNot = "dbus-daemon did not start a bus";
            return {};
        }
        return daemon.readLine().trimmed().toStdString();
    }
};

TEST(DesktopNotifications, ReachTheServiceOnTheBusAndNeverWaitForIt) {
    std::string whyNot;
    if (test::TestApplication(test::NeedsX::No, whyNot) == nullptr) {
        GTEST_SKIP() << whyNot;
    }
    QProcess daemon;
    const std::string address = PrivateBus::start(daemon, whyNot);
    if (address.empty()) {
        GTEST_SKIP() << whyNot;
    }
    // A second bus on which no notification service runs.
    QProcess otherDaemon;
    const std::string otherAddress = PrivateBus::start(otherDaemon, whyNot);
    ASSERT_FALSE(otherAddress.empty()) << whyNot;
    const QString busAddress = QString::fromStdString(address);
    TestNotificationService service;
    {
        QDBusConnection serviceBus =
            QDBusConnection::connectToBus(busAddress, QStringLiteral("ruvo-test-service"));
        ASSERT_TRUE(serviceBus.isConnected());
        ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"),
                                              &service, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    }

    struct Case {
        const char* name;
        QString connectionName;
        QString address;
        std::size_t received;  // by the service, after this case
    };
    const std::vector<Case> cases = {
        {"a service runs", QStringLiteral("ruvo-test-client"), busAddress, 1},
        // Nobody answers but the bus, with an error.
        {"no service", QStringLiteral("ruvo-test-other"), QString::fromStdString(otherAddress), 1},
        {"no session bus", QStringLiteral("ruvo-test-none"),
         QStringLiteral("unix:path=/nonexistent/ruvometer-bus"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            DesktopNotifications notifications(
                "Quelmar Ruvometer", QDBusConnection::connectToBus(c.address, c.connectionName));
            QElapsedTimer clock;
            clock.start();
            notifications.notify({"Wochenbudget aufgebraucht",
                                  "Verbraucht: 1,08 DM von 1,00 DM, <b>laufend</b> & mehr."});
            EXPECT_LT(clock.elapsed(), 500) << "the notice waited for an answer";
        }
        test::ProcessEventsUntil([&] { return service.received.size() >= c.received; }, 3000);
        // Nothing more arrives afterwards.
        test::ProcessEventsUntil([] { return false; }, 200);
        EXPECT_EQ(service.received.size(), c.received);
        QDBusConnection::disconnectFromBus(c.connectionName);
    }
    ASSERT_EQ(service.received.size(), 1U);
    const TestNotificationService::Received& got = service.received.front();
    EXPECT_EQ(got.applicationName, QStringLiteral("Quelmar Ruvometer"));
    EXPECT_EQ(got.summary, QStringLiteral("Wochenbudget aufgebraucht"));
    // The body is marked-up text for the service: the program's own text is escaped.
    EXPECT_EQ(got.body,
              QStringLiteral("Verbraucht: 1,08 DM von 1,00 DM, &lt;b&gt;laufend&lt;/b&gt; "
                             "&amp; mehr."));
    EXPECT_EQ(got.expireTimeout, -1);

    QDBusConnection::disconnectFromBus(QStringLiteral("ruvo-test-service"));
    for (QProcess* bus : {&daemon, &otherDaemon}) {
        bus->terminate();
        bus->waitForFinished(3000);
    }
}

}  // namespace
}  // namespace ruvo::desktop

#include "desktop_notifications_test.moc"
