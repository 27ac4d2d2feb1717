// SPDX-License-Identifier: GPL-3.0-or-later
// The program's files as the whole program meets them: state found after the settings were lost, saves that fail and
// recover as the user hears of them, the quit that cannot save, and one program per data folder.
#include "FakeAppContext.h"
#include "FileSizeLimit.h"
#include "TestDirs.h"
#include "app/AppContext.h"
#include "app/AppShell.h"
#include "app/DataFolderLock.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeLocations.h"
#include "platform/fake/FakeNotifier.h"
#include "platform/fake/FakeScheduler.h"
#include "store/GroupStore.h"
#include "store/HistoryJournal.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"
#include "ui/AlertPresenter.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

// A program on the fake platform whose files are in the fake's own folder.
struct App : test::FakeAppContext {
    std::unique_ptr<AppShell> shell = std::make_unique<AppShell>(*context);

    ~App()
    {
        shell.reset();
        context.reset();
    }
    void launch()
    {
        settings->setInteger(keys::firstRun, 1);
        shell->launch();
        context->history().finishLoading();
    }
    QString file(const QString &name) const
    {
        return platform->fakeLocations->dataDirectory() + QLatin1Char('/') + name + QStringLiteral(".plist");
    }
    static unsigned modeOf(const QString &path)
    {
        struct stat status {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777u : 0u;
    }
    QStringList notices() const
    {
        QStringList out;
        for (const auto &[summary, body] : std::as_const(platform->fakeNotifier->notices))
            out.append(summary + QStringLiteral(" | ") + body);
        return out;
    }
};

}  // namespace

class TestAppFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLaunchWithoutSettingsFindsTheHistoryAndTheGroups()
    {
        App app;  // its settings are empty, as after the settings file was deleted
        QVERIFY(writeStringListAtPath(app.file(QStringLiteral("myfile")), {QStringLiteral("b"), QStringLiteral("a")}));
        QVERIFY(writeStringListAtPath(app.file(QStringLiteral("Work")), {QStringLiteral("w")}));
        QVERIFY(writeStringListAtPath(app.file(QStringLiteral("My Clipboard")), {QStringLiteral("m")}));
        app.platform->fakeClipboard->copyText(QStringLiteral("on the clipboard"));
        app.launch();
        app.platform->fakeDispatcher->runAll();  // the launch's read of the clipboard
        QCOMPARE(app.context->groups().groupNames(),
                 (QStringList{QStringLiteral("My Clipboard"), QStringLiteral("Work")}));
        const QStringList expected = {QStringLiteral("on the clipboard"), QStringLiteral("b"), QStringLiteral("a")};
        QCOMPARE(app.context->history().items(), expected);
        // Everything the user had is still in the history file, left as it was; the capture follows in its journal.
        const QString history = app.file(QStringLiteral("myfile"));
        const QByteArray before = test::readFile(history);
        QVERIFY(app.context->history().waitForWrites());
        app.platform->fakeScheduler->advance(HistoryStore::kSaveDelay);
        QVERIFY(app.context->history().waitForWrites());
        QCOMPARE(test::readFile(history), before);
        EntryList onDisk = readListFile(history).strings;
        std::int64_t pins = 0;
        replayJournal(history, onDisk, pins);
        QCOMPARE(onDisk, expected);
        QCOMPARE(app.context->groups().readGroupItems(QStringLiteral("Work")), QStringList{QStringLiteral("w")});
    }

    void aFailingSaveIsToldOnceAndAgainWhenItWorks()
    {
        App app;
        // A history too large for the disk, for whoever runs the test.
        const QString path = app.file(QStringLiteral("myfile"));
        QVERIFY(writeStringListAtPath(path, {QString(8192, QLatin1Char('x'))}));
        auto full = std::make_unique<test::FileSizeLimit>(4096);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the history to .*")));
        app.launch();
        app.context->history().insertCaptured(QStringLiteral("copied"));
        app.context->history().saveHistory();
        QVERIFY(!app.context->history().waitForWrites());
        QCOMPARE(app.notices(), QStringList{QStringLiteral("Tavrin cannot save the clipboard history | %1: File too "
                                                           "large. What you copy stays in memory, and Tavrin keeps "
                                                           "trying.")
                                                .arg(path)});
        app.platform->fakeScheduler->advance(5s);
        QVERIFY(!app.context->history().waitForWrites());
        QCOMPARE(app.notices().size(), 1);

        full.reset();
        app.platform->fakeScheduler->advance(10s);
        QVERIFY(app.context->history().waitForWrites());
        QCOMPARE(app.notices().size(), 2);
        QCOMPARE(app.notices().last(), QStringLiteral("Tavrin saves the clipboard history again | %1").arg(path));
        QCOMPARE(readStringListAtPath(path).value(0), QStringLiteral("copied"));
    }

    void aQuitThatCannotSaveSaysSo()
    {
        App app;
        app.launch();
        QVERIFY(app.context->history().waitForWrites());
        app.shell->prepareToQuit();
        QVERIFY(app.shell->savedAtQuit());

        App failing;
        failing.launch();
        QVERIFY(failing.context->history().waitForWrites());
        const test::FileSizeLimit full(4096);
        failing.context->history().insertCaptured(QString(8192, QLatin1Char('x')));
        failing.context->history().scheduleSave();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the history to .*")));
        // Said as an error whatever the logging rules: the file and the reason.
        QTest::ignoreMessage(QtCriticalMsg,
                             QStringLiteral("Tavrin: the clipboard history could not be saved to %1: File too large")
                                 .arg(failing.file(QStringLiteral("myfile")))
                                 .toUtf8()
                                 .constData());
        failing.shell->prepareToQuit();
        QVERIFY(!failing.shell->savedAtQuit());
    }

    void damagedFilesKeptAsideAndAHistoryFileGivenUpAreTold()
    {
        // A folder where the history belongs: moved aside at the first save, and the user is told where it went.
        App app;
        const QString path = app.file(QStringLiteral("myfile"));
        QVERIFY(QDir().mkpath(path));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept .* before replacing it")));
        app.launch();
        app.context->history().insertCaptured(QStringLiteral("copied"));
        QVERIFY(app.context->history().flushPendingSave());
        QTRY_COMPARE(app.notices().size(), 1);  // told from the writer thread through the event loop
        const QString aside = QDir(app.platform->fakeLocations->dataDirectory())
                                  .entryInfoList({QStringLiteral("myfile.plist.damaged-*")})
                                  .value(0)
                                  .absoluteFilePath();
        QVERIFY(QFileInfo(aside).isDir());
        QCOMPARE(app.notices().first(), QStringLiteral("Tavrin kept a damaged file aside | %1 could not be read whole "
                                                       "(it is a folder). It is kept as %2, and Tavrin saves in its "
                                                       "place.")
                                            .arg(path, aside));

        // A remembered history file whose folder is gone: the data folder takes its place, and the user hears which.
        App moved;
        const QString gone = QStringLiteral("/nonexistent-folder-of-another-machine/myfile.plist");
        moved.settings->setString(keys::historyPath, gone);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("the history file .* cannot be used.*")));
        moved.launch();
        QCOMPARE(moved.notices(),
                 QStringList{QStringLiteral("Tavrin saves the clipboard history in another file | %1 cannot be used: "
                                            "its folder /nonexistent-folder-of-another-machine does not exist. The "
                                            "history is saved to %2 from now on.")
                                 .arg(gone, moved.file(QStringLiteral("myfile")))});
    }

    void aCopyLostToASlowApplicationIsToldOncePerRun()
    {
        App app;
        app.settings->setInteger(keys::clipboardReadTimeout, 500);
        app.launch();
        app.platform->fakeDispatcher->runAll();
        QCOMPARE(app.platform->fakeClipboard->readTimeout(), 500ms);
        ClipboardContents slow;
        slow.ownerTooSlow = true;
        slow.ownerName = QStringLiteral("SlowEditor");
        for (int copy = 0; copy < 2; ++copy) {
            app.platform->fakeClipboard->copyFromOtherApplication(slow);
            app.context->capture().monitor().checkState();
            app.platform->fakeDispatcher->runAll();
        }
        QVERIFY(app.context->history().items().isEmpty());
        QCOMPARE(app.notices(),
                 QStringList{QStringLiteral("Tavrin did not record a copy | SlowEditor took longer than 0.5 s to hand "
                                            "over what was copied, so it is not in the history. The setting "
                                            "clipboardReadTimeoutMs sets how long Tavrin waits.")});
    }

    void aStartMakesTheFilesPrivate()
    {
        App app;
        const QString folder = app.platform->fakeLocations->dataDirectory();
        QVERIFY(writeStringListAtPath(app.file(QStringLiteral("myfile")), {QStringLiteral("a")}));
        QVERIFY(writeStringListAtPath(app.file(QStringLiteral("Work")), {QStringLiteral("w")}));
        DataFolderLock lock(folder);
        QCOMPARE(lock.tryLock(), DataFolderLock::Outcome::Locked);
        const QString lockFile = folder + QLatin1Char('/') + QLatin1String(DataFolderLock::kFileName);
        // A history kept at a remembered path outside the data folder is the user's too.
        QTemporaryDir elsewhere;
        const QString remembered = elsewhere.filePath(QStringLiteral("history.plist"));
        QVERIFY(writeStringListAtPath(remembered, {QStringLiteral("b")}));
        app.settings->setString(keys::historyPath, remembered);
        // As another program, or a umask of 022, would have left them.
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
        const QStringList files = {app.file(QStringLiteral("myfile")), app.file(QStringLiteral("Work")), lockFile,
                                   remembered};
        for (const QString &path : files)
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);

        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("had mode 0755 and is now 0700")));
        for (int i = 0; i < files.size(); ++i)
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("had mode 0644 and is now 0600")));
        app.context->makeFilesPrivate();
        QCOMPARE(App::modeOf(folder), 0700u);
        for (const QString &path : files)
            QCOMPARE(App::modeOf(path), 0600u);
    }

    void oneProgramPerDataFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data/tavrin"));
        auto first = std::make_unique<DataFolderLock>(folder);
        QCOMPARE(first->tryLock(), DataFolderLock::Outcome::Locked);

        DataFolderLock second(folder);
        ScriptedAlertPresenter alerts;
        QVERIFY(!second.lockOrExplain(alerts));
        QCOMPARE(alerts.shown.size(), 1);
        QCOMPARE(alerts.shown.first().messageText, QStringLiteral("Tavrin is already running"));
        const QString holder = QStringLiteral("process %1 on ").arg(QCoreApplication::applicationPid());
        QVERIFY2(alerts.shown.first().informativeText.contains(holder),
                 qPrintable(alerts.shown.first().informativeText));
        QVERIFY(alerts.shown.first().informativeText.contains(folder));
        QCOMPARE(alerts.shown.first().buttons, QStringList{QStringLiteral("OK")});
        // A start nobody answers still ends.
        QCOMPARE(alerts.shown.first().timeout, std::chrono::milliseconds(DataFolderLock::kAlertTimeout));
        // What must happen before the alert waits (leaving the bus) does.
        DataFolderLock fourth(folder);
        int alertsBefore = -1;
        QVERIFY(!fourth.lockOrExplain(alerts, [&] { alertsBefore = int(alerts.shown.size()); }));
        QCOMPARE(alertsBefore, 1);
        QCOMPARE(alerts.shown.size(), 2);

        // Once the first program has ended, the folder is free again.
        first.reset();
        DataFolderLock third(folder);
        QVERIFY(third.lockOrExplain(alerts));
        QCOMPARE(alerts.shown.size(), 2);
    }
};

QTEST_MAIN(TestAppFiles)
#include "tst_app_files.moc"
