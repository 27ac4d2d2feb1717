// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's files when things go wrong: a second program on another display that would share the history,
// histories that cannot be saved (a full disk, a folder not ours to write), told as desktop notices with the system's
// reason while it runs and at the quit on standard error and in the exit status, and files that are not what they
// should be: a folder in the history's place, a remembered history whose folder is gone, a damaged history.
#include "E2e.h"
#include "NotificationService.h"
#include "TestDirs.h"
#include "store/HistoryJournal.h"
#include "store/StringListFiles.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <sys/mount.h>
#include <unistd.h>

using namespace tavrin;

namespace {

// Settings of an earlier run that remembered the history at path.
void storeRememberedHistory(const QString &path)
{
    test::writeFile(e2e::settingsPath(),
                    QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                   "\t<key>firstRun</key>\n\t<integer>1</integer>\n"
                                   "\t<key>userdefaultsCopiedPath</key>\n\t<string>%1</string>\n"
                                   "</dict>\n</plist>\n")
                        .arg(path)
                        .toUtf8());
}

QStringList listedTexts()
{
    const e2e::ToolResult result = e2e::tavrinCommand({QStringLiteral("list"), QStringLiteral("--json")});
    QStringList texts;
    for (const auto &entry : QJsonDocument::fromJson(result.out).array())
        texts.append(entry.toObject().value(QStringLiteral("text")).toString());
    return texts;
}

QString dataFolder()
{
    return e2e::dataHome() + QStringLiteral("/tavrin");
}

// What the next start reads: the history file with its journal applied.
QStringList historyOnDisk(const QString &path)
{
    EntryList items = readListFile(path).strings;
    std::int64_t pins = 0;
    replayJournal(path, items, pins);
    return items.toStringList();
}

// What a history that cannot be saved says: the desktop notice, and the line at the quit.
QString failureNotice(const QString &path, const QString &reason)
{
    return QStringLiteral("Tavrin | Tavrin cannot save the clipboard history | %1: %2. What you copy stays in memory, "
                          "and Tavrin keeps trying.")
        .arg(path, reason);
}

QByteArray quitLine(const QString &path, const QString &reason)
{
    return QStringLiteral("Tavrin: the clipboard history could not be saved to %1: %2").arg(path, reason).toUtf8();
}

bool isRoot()
{
    return ::geteuid() == 0;
}

// Ends the program in the way of a test that failed before its quit, so that what it set up can go.
struct Ending {
    e2e::TavrinProcess &tavrin;
    ~Ending()
    {
        if (tavrin.isRunning())
            tavrin.terminate();
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
        QVERIFY(second.errorOutput().contains(dataFolder().toUtf8()));
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
        // While the alert waits, the refused program holds no name of the bus: a command for its display finds
        // nothing there rather than a program that will never answer.
        const QString secondsName = QStringLiteral("io.tavrin.Tavrin.display_") + other.name().mid(1);
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(secondsName).value());
        const QStringList owned = QDBusConnection::sessionBus().interface()->registeredServiceNames().value();
        for (const QString &name : owned) {
            if (name.startsWith(QLatin1Char(':')))
                continue;
            QVERIFY2(QDBusConnection::sessionBus().interface()->servicePid(name).value() != uint(second.pid()),
                     qPrintable(name));
        }
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

    void aFullDiskIsToldWithItsReasonAndTheSaveFollowsOnceThereIsRoom()
    {
        e2e::NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        // A file size limit fails writes as a full disk does, for any user: the settings fit, the history does not.
        const QString path = e2e::historyPath();
        QVERIFY(writeStringListAtPath(path, {QString::fromLatin1(e2e::bigText(64 * 1024))}));
        storeRememberedHistory(path);
        e2e::TavrinProcess tavrin;
        tavrin.limitFileSize(16 * 1024);
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: cannot save the history to .*File too large"));
        tavrin.expectWarning(
            QStringLiteral("^critical: tavrin\\.app: Tavrin: the clipboard history could not be saved"));
        QVERIFY(tavrin.start());
        Ending ending{tavrin};
        QVERIFY(tavrin.waitUntilRunning());
        // Too large for the journal too: its record alone is beyond the limit.
        QCOMPARE(e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("-")},
                                    "copied while the disk is full\n" + e2e::bigText(32 * 1024))
                     .exitCode,
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(notices.shown, QStringList{failureNotice(path, QStringLiteral("File too large"))},
                                  15000);

        // Room again: the next try saves, and says so.
        QCOMPARE(e2e::runTool(QStringLiteral("prlimit"), {QStringLiteral("--pid"), QString::number(tavrin.pid()),
                                                          QStringLiteral("--fsize=unlimited")})
                     .exitCode,
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(notices.shown.size(), 2, 30000);
        QCOMPARE(notices.shown.last(),
                 QStringLiteral("Tavrin | Tavrin saves the clipboard history again | %1").arg(path));
        QVERIFY(historyOnDisk(path).value(0).startsWith(QStringLiteral("copied while the disk is full\n")));

        // Full again at the quit, for the history file and its journal alike: the quit names the file and the
        // reason, and fails.
        QCOMPARE(e2e::runTool(QStringLiteral("prlimit"),
                              {QStringLiteral("--pid"), QString::number(tavrin.pid()), QStringLiteral("--fsize=16384")})
                     .exitCode,
                 0);
        QCOMPARE(e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("-")},
                                    "copied before the quit\n" + e2e::bigText(32 * 1024))
                     .exitCode,
                 0);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tavrin.exitCode(), 1);
        QVERIFY2(tavrin.errorOutput().contains(quitLine(path, QStringLiteral("File too large"))),
                 tavrin.errorOutput().constData());
        QVERIFY(historyOnDisk(path).value(0).startsWith(QStringLiteral("copied while the disk is full\n")));
    }

    void aDiskWithoutSpaceSaysSo()
    {
        if (!isRoot())
            QSKIP("a small file system of its own needs root (the unprivileged run meets a full disk as a size limit)");
        QVERIFY(QDir().mkpath(dataFolder()));
        const QByteArray folder = QFile::encodeName(dataFolder());
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
            QSKIP("no tmpfs can be mounted here");
        struct Unmount {
            QByteArray folder;
            ~Unmount() { ::umount2(folder.constData(), MNT_DETACH); }
        } unmount{folder};
        e2e::NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        const QString path = e2e::historyPath();
        storeRememberedHistory(path);
        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: cannot save the history to .*No space left"));
        tavrin.expectWarning(
            QStringLiteral("^critical: tavrin\\.app: Tavrin: the clipboard history could not be saved"));
        QVERIFY(tavrin.start());
        Ending ending{tavrin};
        QVERIFY(tavrin.waitUntilRunning());
        QCOMPARE(e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("-")}, e2e::bigText(200 * 1024)).exitCode,
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(notices.shown,
                                  QStringList{failureNotice(path, QStringLiteral("No space left on device"))}, 15000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 1);
        QVERIFY2(tavrin.errorOutput().contains(quitLine(path, QStringLiteral("No space left on device"))),
                 tavrin.errorOutput().constData());
    }

    void aFolderThatCannotBeWrittenSaysPermissionDenied()
    {
        e2e::NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        Ending ending{tavrin};
        // Taken away while the program runs, for the folder and the journal in it: the data folder is its own, so it
        // stays where it is.
        const QString journal = journalPathFor(e2e::historyPath());
        QTRY_VERIFY(QFileInfo::exists(journal));
        QFile::setPermissions(journal, QFile::ReadOwner);
        QFile::setPermissions(dataFolder(), QFile::ReadOwner | QFile::ExeOwner);
        struct Restore {
            QString journal;
            ~Restore()
            {
                QFile::setPermissions(dataFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QFile::setPermissions(journal, QFile::ReadOwner | QFile::WriteOwner);
            }
        } restore{journal};
        if (QFileInfo(dataFolder()).isWritable())
            QSKIP("folder permissions do not bind this user (run the suite unprivileged)");
        tavrin.expectWarning(
            QStringLiteral("^warning: tavrin\\.store: cannot save the history to .*Permission denied"));
        tavrin.expectWarning(
            QStringLiteral("^critical: tavrin\\.app: Tavrin: the clipboard history could not be saved"));
        // Nor can the lock go at the end.
        tavrin.expectWarning(QStringLiteral("Could not remove our own lock file"));
        QCOMPARE(e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("no room for this")}).exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(
            notices.shown, QStringList{failureNotice(e2e::historyPath(), QStringLiteral("Permission denied"))}, 15000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 1);
        QVERIFY2(tavrin.errorOutput().contains(quitLine(e2e::historyPath(), QStringLiteral("Permission denied"))),
                 tavrin.errorOutput().constData());
    }

    void aFolderInTheHistorysPlaceIsKeptAsideAndNothingIsLost()
    {
        e2e::NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        const QString path = e2e::historyPath();
        QVERIFY(QDir().mkpath(path));
        test::writeFile(path + QStringLiteral("/the user's.txt"), "kept as it is");
        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: cannot read .*myfile\\.plist.*it is a folder"));
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: kept .*myfile\\.plist as .* before replacing"));
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QCOMPARE(e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("hello")}).exitCode, 0);
        const e2e::ToolResult quit = e2e::tavrinCommand({QStringLiteral("quit")});
        QCOMPARE(quit.exitCode, 0);
        QVERIFY(tavrin.waitForExit());
        QCOMPARE(tavrin.exitCode(), 0);

        QCOMPARE(readStringListAtPath(path).value(0), QStringLiteral("hello"));
        const QFileInfoList aside = QDir(dataFolder()).entryInfoList({QStringLiteral("myfile.plist.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QVERIFY(aside.first().isDir());
        QCOMPARE(test::readFile(aside.first().absoluteFilePath() + QStringLiteral("/the user's.txt")),
                 QByteArray("kept as it is"));
        QTRY_COMPARE(
            notices.shown,
            QStringList{QStringLiteral("Tavrin | Tavrin kept a damaged file aside | %1 could not be read whole "
                                       "(it is a folder). It is kept as %2, and Tavrin saves in its place.")
                            .arg(path, aside.first().absoluteFilePath())});
    }

    void aRememberedHistoryWhoseFolderIsGoneGivesWayToTheDataFolder()
    {
        e2e::NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        // Settings from another machine: another user's home. The program makes no folder there, whoever it runs as.
        const QString elsewhere = e2e::dataHome() + QStringLiteral("/home/someone-else/.local/share/tavrin");
        const QString remembered = elsewhere + QStringLiteral("/myfile.plist");
        storeRememberedHistory(remembered);
        {
            e2e::TavrinProcess tavrin;
            tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: the history file .* cannot be used"));
            QVERIFY(tavrin.start());
            QVERIFY(tavrin.waitUntilRunning());
            QCOMPARE(e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("hello")}).exitCode, 0);
            QCOMPARE(e2e::tavrinCommand({QStringLiteral("quit")}).exitCode, 0);
            QVERIFY(tavrin.waitForExit());
            QCOMPARE(tavrin.exitCode(), 0);
        }
        QTRY_COMPARE(
            notices.shown,
            QStringList{QStringLiteral("Tavrin | Tavrin saves the clipboard history in another file | %1 cannot be "
                                       "used: its folder %2 does not exist. The history is saved to %3 from now "
                                       "on.")
                            .arg(remembered, elsewhere, e2e::historyPath())});
        QVERIFY(!QFileInfo::exists(e2e::dataHome() + QStringLiteral("/home")));

        // The next start finds the history where it was saved, and says nothing more.
        e2e::TavrinProcess again;
        QVERIFY(again.start());
        QVERIFY(again.waitUntilRunning());
        QTRY_COMPARE_WITH_TIMEOUT(listedTexts().value(0), QStringLiteral("hello"), 10000);
        QVERIFY(again.terminate());
        QCOMPARE(again.exitCode(), 0);
        QCOMPARE(notices.shown.size(), 1);
        QVERIFY(test::readFile(e2e::settingsPath()).contains(e2e::historyPath().toUtf8()));
    }

    void aDamagedHistoryGivesBackEveryReadableEntry()
    {
        e2e::NotificationService notices;
        QVERIFY(notices.registerOnSessionBus());
        const QStringList written = {QStringLiteral("first"), QStringLiteral("x < y"), QStringLiteral("third")};
        QVERIFY(writeStringListAtPath(e2e::historyPath(), written));
        // Three bits flipped: "&lt;" became "&l4;".
        QByteArray bytes = test::readFile(e2e::historyPath());
        QVERIFY(bytes.contains("&lt;"));
        bytes.replace("&lt;", "&l4;");
        test::writeFile(e2e::historyPath(), bytes);
        storeRememberedHistory(e2e::historyPath());

        e2e::TavrinProcess tavrin;
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: cannot read all of .*myfile\\.plist"));
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: +entry 2: \"&l4;\" is no character reference"));
        tavrin.expectWarning(QStringLiteral("^warning: tavrin\\.store: kept .*myfile\\.plist as .* before replacing"));
        QVERIFY(tavrin.start());
        QVERIFY(tavrin.waitUntilRunning());
        QTRY_COMPARE_WITH_TIMEOUT(
            listedTexts(), (QStringList{QStringLiteral("first"), QStringLiteral("x &l4; y"), QStringLiteral("third")}),
            10000);
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
        // Saved again, and the damaged original kept byte for byte.
        QCOMPARE(readStringListAtPath(e2e::historyPath()).size(), 3);
        const QStringList aside = QDir(dataFolder()).entryList({QStringLiteral("myfile.plist.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(test::readFile(dataFolder() + QLatin1Char('/') + aside.first()), bytes);
        QTRY_COMPARE(
            notices.shown,
            QStringList{QStringLiteral("Tavrin | Tavrin kept a damaged file aside | %1 could not be read whole "
                                       "(it is damaged; 3 entries could still be read). It is kept as %2/%3, "
                                       "and Tavrin saves in its place.")
                            .arg(e2e::historyPath(), dataFolder(), aside.first())});
    }
};

QTEST_GUILESS_MAIN(TestE2eStore)
#include "tst_e2e_store.moc"
