// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux services every desktop shares: the program's folders by the XDG rules, the autostart entry, and desktop
// notices, notifications between processes and the login launcher over a D-Bus session bus of the test's own.
#include "TestDirs.h"
#include "launcher/LoginLauncher.h"
#include "platform/freedesktop/DBusNotificationCenter.h"
#include "platform/freedesktop/DBusNotifier.h"
#include "platform/freedesktop/XdgAutostartLoginItems.h"
#include "platform/freedesktop/XdgLocations.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
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

    void theAutostartEntryIsWrittenValidAndRemoved()
    {
        test::TestDirs dirs;
        const QString folder = dirs.root() + QStringLiteral("/config/autostart");
        // A launcher path with characters the Exec rules reserve.
        const QString launcher = dirs.root() + QStringLiteral("/my \"tools\" $HOME 100%/tavrin-launcher");
        QVERIFY(QDir().mkpath(QFileInfo(launcher).path()));
        test::writeFile(launcher, "#!/bin/sh\n");
        QVERIFY(QFile::setPermissions(launcher, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        XdgAutostartLoginItems items(folder, launcher);
        QVERIFY(items.availability().available);

        const QString id = QString::fromLatin1(LoginItems::kLauncherIdentifier);
        const QString entry = folder + QStringLiteral("/io.tavrin.TavrinLauncher.desktop");
        QCOMPARE(items.entryPath(id), entry);
        const LoginItems::Change on = items.setLoginItemEnabled(id, true);
        QVERIFY2(on.succeeded, qPrintable(on.reason));
        const QByteArray text = test::readFile(entry);
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains(("\nExec=" + execArgument(launcher) + "\n").toUtf8()));
        // The session skips the entry once the launcher is gone (a string key: the path needs no quotes).
        QVERIFY(text.contains(("\nTryExec=" + launcher + "\n").toUtf8()));
        QVERIFY(text.contains("\nIcon=io.tavrin.Tavrin\n"));
        QCOMPARE(desktopString(QStringLiteral("/a\\b\nc")), QStringLiteral("/a\\\\b\\nc"));
        // Unquoted by the Exec rules, the argument is the launcher's path again.
        QCOMPARE(execArgument(QStringLiteral("/usr/bin/tavrin-launcher")), QStringLiteral("/usr/bin/tavrin-launcher"));
        QCOMPARE(execArgument(QStringLiteral("/a b/\"q\"$`\\%")),
                 QStringLiteral("\"/a b/\\\\\"q\\\\\"\\\\$\\\\`\\\\\\\\%%\""));
        if (const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
            !validator.isEmpty()) {
            QProcess validate;
            validate.start(validator, {entry});
            QVERIFY(validate.waitForFinished(10000));
            QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
        }
        // Enabling again rewrites the same entry; disabling removes it, also when it is gone already.
        QVERIFY(items.setLoginItemEnabled(id, true).succeeded);
        QVERIFY(items.setLoginItemEnabled(id, false).succeeded);
        QVERIFY(!QFileInfo::exists(entry));
        QVERIFY(items.setLoginItemEnabled(id, false).succeeded);
    }

    void failuresToWriteTheEntrySayWhy()
    {
        test::TestDirs dirs;
        const QString launcher = dirs.root() + QStringLiteral("/tavrin-launcher");
        const QString id = QString::fromLatin1(LoginItems::kLauncherIdentifier);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("autostart entry .* not changed")));
        const LoginItems::Change missing =
            XdgAutostartLoginItems(dirs.root() + QStringLiteral("/autostart"), launcher).setLoginItemEnabled(id, true);
        QVERIFY(!missing.succeeded);
        QVERIFY(missing.reason.contains(QStringLiteral("tavrin-launcher is missing")));
        test::writeFile(launcher, "#!/bin/sh\n");
        QVERIFY(QFile::setPermissions(launcher, QFile::ReadOwner | QFile::ExeOwner));

        // A file where the folder should be.
        test::writeFile(dirs.root() + QStringLiteral("/blocked"), "");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("autostart entry .* not changed")));
        const LoginItems::Change blocked =
            XdgAutostartLoginItems(dirs.root() + QStringLiteral("/blocked/autostart"), launcher)
                .setLoginItemEnabled(id, true);
        QVERIFY(!blocked.succeeded);
        QVERIFY(blocked.reason.contains(QStringLiteral("cannot be created")));

        // A read-only folder: neither written nor removed.
        const QString folder = dirs.root() + QStringLiteral("/readonly");
        XdgAutostartLoginItems items(folder, launcher);
        QVERIFY(items.setLoginItemEnabled(id, true).succeeded);
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        auto writable =
            qScopeGuard([&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (QFileInfo(folder).isWritable())
            QSKIP("this user may write into read-only folders (root); scripts/test runs the tests unprivileged");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("autostart entry .* not changed")));
        const LoginItems::Change removal = items.setLoginItemEnabled(id, false);
        QVERIFY(!removal.succeeded);
        QVERIFY2(removal.reason.contains(QStringLiteral("cannot be removed")), qPrintable(removal.reason));
        QVERIFY(QFileInfo::exists(items.entryPath(id)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("autostart entry .* not changed")));
        const LoginItems::Change write = items.setLoginItemEnabled(id, true);
        QVERIFY(!write.succeeded);
        QVERIFY2(write.reason.contains(QStringLiteral("cannot be written")), qPrintable(write.reason));
    }

    void notificationsReachOtherProcessesObservers()
    {
        PrivateBus bus;
        QDBusConnection sender = bus.connect(QStringLiteral("sender"));
        QDBusConnection receiver = bus.connect(QStringLiteral("receiver"));
        QVERIFY(sender.isConnected() && receiver.isConnected());
        DBusNotificationCenter posting(sender);
        DBusNotificationCenter observing(receiver);
        QStringList seen;
        observing.addObserver(QStringLiteral("killLauncher"),
                              [&seen](const QString &object) { seen.append(QStringLiteral("kill ") + object); });
        observing.addObserver(QStringLiteral("other"),
                              [&seen](const QString &) { seen.append(QStringLiteral("other")); });
        // A round trip makes sure the receiver's match rule is in place before anything is sent.
        QVERIFY(receiver.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.DBus")).value());
        posting.post(QStringLiteral("killLauncher"), QStringLiteral("io.tavrin.Tavrin"));
        posting.post(QStringLiteral("unobserved"), QString());
        posting.post(QStringLiteral("other"), QString());
        QTRY_COMPARE(seen, (QStringList{QStringLiteral("kill io.tavrin.Tavrin"), QStringLiteral("other")}));
        QDBusConnection::disconnectFromBus(QStringLiteral("sender"));
        QDBusConnection::disconnectFromBus(QStringLiteral("receiver"));
    }

    void theLauncherHoldsItsNameStartsTheProgramAndQuitsWhenTold()
    {
        PrivateBus bus;
        QDBusConnection launcherBus = bus.connect(QStringLiteral("launcher"));
        QDBusConnection programBus = bus.connect(QStringLiteral("program"));
        test::TestDirs dirs;
        const QString started = dirs.root() + QStringLiteral("/started");
        const QString program = dirs.root() + QStringLiteral("/tavrin");
        test::writeFile(program, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(started).toUtf8());
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(LoginLauncher::findProgram(dirs.root()), program);

        DBusNotificationCenter launcherNotifications(launcherBus);
        LoginLauncher launcher(launcherBus, launcherNotifications);
        QSignalSpy finished(&launcher, &LoginLauncher::finished);
        QVERIFY(launcher.start(program));
        const QString name = QString::fromLatin1(LoginItems::kLauncherIdentifier);
        QVERIFY(programBus.interface()->isServiceRegistered(name).value());
        QTRY_VERIFY(QFileInfo::exists(started));
        QVERIFY(finished.isEmpty());

        DBusNotificationCenter(programBus).post(QStringLiteral("killLauncher"), QStringLiteral("io.tavrin.Tavrin"));
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.constFirst().constFirst().toInt(), 0);
        QDBusConnection::disconnectFromBus(QStringLiteral("launcher"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    }

    void theLauncherNeverLingersAndReportsAProgramItCannotStart()
    {
        PrivateBus bus;
        QDBusConnection launcherBus = bus.connect(QStringLiteral("launcher"));
        DBusNotificationCenter notifications(launcherBus);
        {
            LoginLauncher launcher(launcherBus, notifications);
            QSignalSpy finished(&launcher, &LoginLauncher::finished);
            // Without an answer the launcher gives up after its longest wait (short here).
            QVERIFY(launcher.start(QStringLiteral("/bin/true"), std::chrono::milliseconds(50)));
            QVERIFY(finished.wait(5000));
            QCOMPARE(finished.constFirst().constFirst().toInt(), 0);
        }
        test::TestDirs dirs;
        LoginLauncher launcher(launcherBus, notifications);
        QSignalSpy finished(&launcher, &LoginLauncher::finished);
        QVERIFY(!launcher.start(dirs.root() + QStringLiteral("/no-such-program")));
        QVERIFY(!launcher.start(QString()));
        QCOMPARE(LoginLauncher::findProgram(dirs.root()), QStandardPaths::findExecutable(QStringLiteral("tavrin")));
        QDBusConnection::disconnectFromBus(QStringLiteral("launcher"));
    }
};

QTEST_GUILESS_MAIN(TestFreedesktop)
#include "tst_freedesktop.moc"
