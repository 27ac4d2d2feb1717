// The Linux services every desktop shares: the program's folders by the XDG rules, and desktop notices over a D-Bus
// session bus of the test's own.
#include "platform/freedesktop/DBusNotifier.h"
#include "platform/freedesktop/XdgLocations.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace tavrin;

namespace {

// Sets environment variables for one scope and puts the old values back after.
class Environment {
public:
    void set(const char *name, const QByteArray &value)
    {
        m_old.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qputenv(name, value);
    }
    void unset(const char *name)
    {
        m_old.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qunsetenv(name);
    }
    ~Environment()
    {
        for (qsizetype i = m_old.size() - 1; i >= 0; --i) {
            const auto &old = m_old.at(i);
            if (old.second)
                qputenv(old.first, *old.second);
            else
                qunsetenv(old.first);
        }
    }

private:
    QList<std::pair<const char *, std::optional<QByteArray>>> m_old;
};

// A session bus daemon that lives as long as this object.
class PrivateBus {
public:
    PrivateBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
    QDBusConnection connect(const QString &name) const { return QDBusConnection::connectToBus(m_address, name); }

private:
    QProcess m_daemon;
    QString m_address;
};

// Plays the desktop's notification service and records what it is asked to show.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList shown;

public Q_SLOTS:
    uint Notify(const QString &application, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        Q_UNUSED(replaces);
        Q_UNUSED(icon);
        Q_UNUSED(actions);
        Q_UNUSED(hints);
        shown.append(QStringLiteral("%1 | %2 | %3 | %4").arg(application, summary, body).arg(timeout));
        return uint(shown.size());
    }
};

}  // namespace

class TestFreedesktop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void foldersFollowTheXdgRules()
    {
        Environment env;
        env.set("HOME", "/home/someone");
        env.set("XDG_CONFIG_HOME", "/elsewhere/config/");
        env.set("XDG_DATA_HOME", "/elsewhere/data");
        XdgLocations set;
        QCOMPARE(set.configDirectory(), QStringLiteral("/elsewhere/config/tavrin"));
        QCOMPARE(set.dataDirectory(), QStringLiteral("/elsewhere/data/tavrin"));

        // Empty and relative values are invalid and ignored: the defaults under the home folder apply.
        env.set("XDG_CONFIG_HOME", "");
        env.set("XDG_DATA_HOME", "relative/data");
        XdgLocations ignored;
        QCOMPARE(ignored.configDirectory(), QStringLiteral("/home/someone/.config/tavrin"));
        QCOMPARE(ignored.dataDirectory(), QStringLiteral("/home/someone/.local/share/tavrin"));
        env.unset("XDG_CONFIG_HOME");
        env.unset("XDG_DATA_HOME");
        QCOMPARE(XdgLocations().dataDirectory(), QStringLiteral("/home/someone/.local/share/tavrin"));
    }

    void noticesGoToTheNotificationServiceOrTheLog()
    {
        PrivateBus bus;
        QDBusConnection desktop = bus.connect(QStringLiteral("desktop"));
        QDBusConnection program = bus.connect(QStringLiteral("program"));
        QVERIFY(desktop.isConnected() && program.isConnected());
        DBusNotifier notifier(program, QStringLiteral("Tavrin"));
        QSignalSpy finished(&notifier, &DBusNotifier::noticeFinished);

        // No service on the bus: the notice is logged with the bus's reason, nothing is lost in silence.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("no desktop notification \\(.*Notifications.*\\): "
                                                               "Cannot save - /a/file: full")));
        notifier.notify(QStringLiteral("Cannot save"), QStringLiteral("/a/file: full"));
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.last().at(0).toBool(), false);

        NotificationService service;
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.Notifications")));
        notifier.notify(QStringLiteral("Saved again"), QStringLiteral("/a/file"));
        QTRY_COMPARE(finished.size(), 2);
        QCOMPARE(finished.last().at(0).toBool(), true);
        QCOMPARE(service.shown, QStringList{QStringLiteral("Tavrin | Saved again | /a/file | -1")});
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    }
};

QTEST_GUILESS_MAIN(TestFreedesktop)
#include "tst_freedesktop.moc"
