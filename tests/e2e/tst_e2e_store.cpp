// The real program's files when things go wrong: a second program on another display that would share the history,
// and a history that cannot be saved, told as a desktop notice while it runs and at the quit on standard error and in
// the exit status.
#include "E2e.h"
#include "TestDirs.h"

#include <QDBusConnection>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace tavrin;

namespace {

// Plays the desktop's notification service on the session's bus and records what it is asked to show.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    bool registerOnSessionBus()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                  QDBusConnection::ExportAllSlots) &&
               bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    ~NotificationService() override
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    }

    QStringList shown;

public Q_SLOTS:
    uint Notify(const QString &application, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        shown.append(application + QStringLiteral(" | ") + summary + QStringLiteral(" | ") + body);
        return uint(shown.size());
    }
};

}  // namespace

class TestE2eStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { e2e::forgetStoredState(); }

    void aSecondProgramOnAnotherDisplayIsRefused()
    {
        e2e::TavrinProcess first;
        QVERIFY(first.startAndWaitForMonitor());

        e2e::PrivateDisplay other;
        QVERIFY(other.start());
        e2e::TavrinProcess second;
        second.setDisplay(other.name());
        second.expectWarning(QStringLiteral("^critical: tavrin\\.app: Tavrin is already running\\. "));
        QVERIFY(second.start());
        // It says why on standard error and in an alert on its own display, and ends once the alert is answered.
        const QString why =
            QStringLiteral("Tavrin is already running. Another Tavrin (process %1 on ").arg(first.pid());
        QTRY_VERIFY_WITH_TIMEOUT(second.errorOutput().contains(why.toUtf8()), 10000);
        QVERIFY(second.errorOutput().contains((e2e::dataHome() + QStringLiteral("/tavrin")).toUtf8()));
        QString alert;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(alert = QString::fromUtf8(other
                                            .runTool(QStringLiteral("xdotool"),
                                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                      QStringLiteral("--pid"), QString::number(second.pid())})
                                            .out)
                          .trimmed())
                 .isEmpty(),
            10000);
        // No window manager there: the key goes to the window that has the input focus.
        QCOMPARE(
            other.runTool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), alert})
                .exitCode,
            0);
        QCOMPARE(other.runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")}).exitCode,
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(!second.isRunning(), 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);

        // The first one is not disturbed, and once it has quit a program on the other display starts.
        QVERIFY(first.isRunning());
        QVERIFY(first.terminate());
        QCOMPARE(first.exitCode(), 0);
        e2e::TavrinProcess later;
        later.setDisplay(other.name());
        QVERIFY(later.start());
        QTRY_VERIFY_WITH_TIMEOUT(
            other.runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                      QStringLiteral("--pid"), QString::number(later.pid())})
                    .exitCode == 0,
            10000);
        QVERIFY(later.terminate());
        QCOMPARE(later.exitCode(), 0);
    }

    void aHistoryThatCannotBeSavedIsToldAndTheQuitFails()
    {
        NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        // A folder where the history file should be: no save can succeed, whoever runs the test.
        const QString blocked = e2e::dataHome() + QStringLiteral("/tavrin/blocked.plist");
        QVERIFY(QDir().mkpath(blocked));
        test::writeFile(e2e::settingsPath(),
                        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                       "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                                       "\t<key>userdefaultsCopiedPath</key>\n\t<string>%1</string>\n"
                                       "</dict>\n</plist>\n")
                            .arg(blocked)
                            .toUtf8());

        // The launch puts the clipboard's text into the history, and the list's first showing saves it once: the user
        // hears of the failure at once, with the file and the reason.
        e2e::copyWithXclip("words that cannot be saved");
        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(
            QStringLiteral("^warning: tavrin\\.store: cannot (read|save the history to) .*blocked\\.plist"));
        tavrin.expectWarning(
            QStringLiteral("^critical: tavrin\\.app: Tavrin: the clipboard history could not be saved"));
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        const QString notice = QStringLiteral("Tavrin | Tavrin cannot save the clipboard history | %1: it is a folder. "
                                              "What you copy stays in memory, and Tavrin keeps trying.")
                                   .arg(blocked);
        QTRY_COMPARE_WITH_TIMEOUT(notices.shown, QStringList{notice}, 10000);

        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tavrin.exitCode(), 1);
        const QString said =
            QStringLiteral("Tavrin: the clipboard history could not be saved to %1: it is a folder").arg(blocked);
        QVERIFY2(tavrin.errorOutput().contains(said.toUtf8()), tavrin.errorOutput().constData());
        QCOMPARE(notices.shown.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestE2eStore)
#include "tst_e2e_store.moc"
