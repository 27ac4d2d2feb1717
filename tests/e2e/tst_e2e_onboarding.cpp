// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's first run and its start at login: the welcome steps alone on a new machine, finishing them
// (start at login on) writes the autostart entry and starts the tray, the entry's command started as the session
// starts it brings Tavrin up without its main window and the launcher quits, and a start by the user opens the main
// window.
#include "E2e.h"
#include "TestDirs.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

using namespace tavrin;

namespace {

QString autostartEntry()
{
    return e2e::configHome() + QStringLiteral("/autostart/io.tavrin.TavrinLauncher.desktop");
}

// The program of an Exec value, unquoted and unescaped as a session does (one argument, as ours has).
QString execProgram(const QByteArray &entry)
{
    for (const QByteArray &line : entry.split('\n')) {
        if (!line.startsWith("Exec="))
            continue;
        QString value = QString::fromUtf8(line.mid(5)).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        if (value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) {
            value = value.mid(1, value.size() - 2);
            static const QRegularExpression escaped(QStringLiteral("\\\\([\"`$\\\\])"));
            value.replace(escaped, QStringLiteral("\\1"));
        }
        return value.replace(QStringLiteral("%%"), QStringLiteral("%"));
    }
    return {};
}

// The process that owns the program's single-instance name on the session bus; 0 while none does.
qint64 runningTavrinPid()
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    const QStringList names = bus->registeredServiceNames().value();
    for (const QString &name : names) {
        if (name.startsWith(QStringLiteral("io.tavrin.Tavrin.display_")))
            return qint64(bus->servicePid(name).value());
    }
    return 0;
}

bool launcherNameRegistered()
{
    return QDBusConnection::sessionBus()
        .interface()
        ->isServiceRegistered(QStringLiteral("io.tavrin.TavrinLauncher"))
        .value();
}

QStringList visibleWindows(qint64 pid)
{
    const e2e::ToolResult found =
        e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--pid"), QString::number(pid)});
    return QString::fromUtf8(found.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

class TestE2eOnboarding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        e2e::forgetStoredState();
        QDir(e2e::configHome() + QStringLiteral("/autostart")).removeRecursively();
    }

    void theFirstStartShowsOnlyTheWelcomeStepsAndFinishingThemStartsAtLoginAndTheTray()
    {
        e2e::TavrinProcess tavrin;
        tavrin.startAsFirstRun();
        QVERIFY(tavrin.start());
        quint64 window = 0;
        QTRY_VERIFY_WITH_TIMEOUT((window = e2e::shownMainWindow(tavrin.pid())) != 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(e2e::activeWindow(), window, 5000);
        // The welcome steps alone: no tray item, no list, and no recording (which saves the history first).
        QVERIFY(!e2e::hasTrayIcon(tavrin.pid()));
        QCOMPARE(e2e::shownListWindow(tavrin.pid()), quint64(0));
        QVERIFY(!QFileInfo::exists(e2e::historyPath()));
        QVERIFY(!test::readFile(e2e::settingsPath()).contains("<key>firstRun</key>"));

        // The button has the focus; start at login is on.
        QCOMPARE(e2e::runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("space")}).exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(autostartEntry()), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(e2e::hasTrayIcon(tavrin.pid()), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(e2e::historyPath()), 5000);
        QVERIFY(e2e::shownMainWindow(tavrin.pid()) != 0);
        const QByteArray settings = test::readFile(e2e::settingsPath());
        QVERIFY(settings.contains("<key>firstRun</key>\n\t<integer>1</integer>"));
        QVERIFY(settings.contains("<key>LoginStartStatus</key>\n\t<true/>"));
        const QString launcher = execProgram(test::readFile(autostartEntry()));
        QVERIFY2(QFileInfo(launcher).isExecutable(), qPrintable(launcher));
        QCOMPARE(QFileInfo(launcher).absolutePath(), QFileInfo(qEnvironmentVariable("TAVRIN_BINARY")).absolutePath());

        // Copies are recorded from now on: on disk in the journal beside the history file.
        e2e::copyWithXclip("copied after the welcome steps");
        QTRY_VERIFY_WITH_TIMEOUT(
            test::readFile(e2e::historyPath() + QStringLiteral(".journal")).contains("copied after the welcome steps"),
            10000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }

    void aQuitDuringTheWelcomeStepsEndsTheProgramAndLeavesThemForTheNextStart()
    {
        e2e::TavrinProcess tavrin;
        tavrin.startAsFirstRun();
        QVERIFY(tavrin.start());
        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownMainWindow(tavrin.pid()) != 0, 10000);
        // SIGTERM quits, which closes every window: that close must not count as the user's.
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tavrin.exitCode(), 0);
        QVERIFY(!test::readFile(e2e::settingsPath()).contains("<key>firstRun</key>"));
        QVERIFY(!QFileInfo::exists(autostartEntry()));
    }

    void theAutostartCommandStartsTavrinWithoutItsWindowAndTheLauncherQuits()
    {
        e2e::storeFinishedFirstRun();
        {
            // A start with the choice stored writes the entry, as the welcome steps did.
            QByteArray settings = test::readFile(e2e::settingsPath());
            settings.replace("</dict>", "\t<key>LoginStartStatus</key>\n\t<true/>\n</dict>");
            test::writeFile(e2e::settingsPath(), settings);
            e2e::TavrinProcess first;
            QVERIFY(first.startAndWaitForMonitor());
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(autostartEntry()), 5000);
            QVERIFY(first.terminate());
            QTRY_COMPARE_WITH_TIMEOUT(runningTavrinPid(), qint64(0), 5000);
        }

        // As the session does at login: the entry's command, with nothing else.
        e2e::TavrinProcess launcher;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(launcher.startProgram(execProgram(test::readFile(autostartEntry()))));
        qint64 pid = 0;
        QTRY_VERIFY_WITH_TIMEOUT((pid = runningTavrinPid()) != 0, 10000);
        // Not a child of the test: it is ended here whatever the test finds.
        auto end = qScopeGuard([pid] {
            ::kill(pid_t(pid), SIGTERM);
            if (!QTest::qWaitFor([] { return runningTavrinPid() == 0; }, 10000))
                qWarning("the Tavrin the launcher started did not quit");
        });
        // Told "killLauncher", the launcher quits long before its own deadline, and gives its name up.
        QVERIFY(launcher.waitForExit(30000));
        qInfo("the launcher quit %lld ms after it started", clock.elapsed());
        QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launcher.exitCode(), 0);
        QVERIFY(!launcher.errorOutput().contains("did not answer in time"));
        QTRY_VERIFY_WITH_TIMEOUT(!launcherNameRegistered(), 5000);

        // Tavrin runs in the tray with its list, and without its main window.
        const bool docked = QTest::qWaitFor([pid] { return e2e::hasTrayIcon(pid); }, 10000);
        if (!docked)
            qInfo("the program's log:\n%s", launcher.errorOutput().constData());
        QVERIFY(docked);
        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownListWindow(pid) != 0, 5000);
        QCOMPARE(e2e::shownMainWindow(pid), quint64(0));
        QCOMPARE(visibleWindows(pid).size(), 2);
        end.dismiss();
        ::kill(pid_t(pid), SIGTERM);
        QTRY_COMPARE_WITH_TIMEOUT(runningTavrinPid(), qint64(0), 10000);
        // Its standard error went to the launcher's, which the harness checks when it goes.
    }

    void aStartByTheUserShowsTheMainWindow()
    {
        e2e::storeFinishedFirstRun();
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.start());
        quint64 window = 0;
        QTRY_VERIFY_WITH_TIMEOUT((window = e2e::shownMainWindow(tavrin.pid())) != 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(e2e::hasTrayIcon(tavrin.pid()), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(e2e::shownListWindow(tavrin.pid()) != 0, 5000);
        QVERIFY(!QFileInfo::exists(autostartEntry()));
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eOnboarding)
#include "tst_e2e_onboarding.moc"
