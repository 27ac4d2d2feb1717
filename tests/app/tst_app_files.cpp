// The program's files as the whole program meets them: state found after the settings were lost, saves that fail and
// recover as the user hears of them, the quit that cannot save, and one program per data folder.
#include "FakeAppContext.h"
#include "app/AppContext.h"
#include "app/AppShell.h"
#include "app/DataFolderLock.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeLocations.h"
#include "platform/fake/FakeNotifier.h"
#include "platform/fake/FakeScheduler.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"
#include "ui/AlertPresenter.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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
    }
    QString file(const QString &name) const
    {
        return platform->fakeLocations->dataDirectory() + QLatin1Char('/') + name + QStringLiteral(".plist");
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
        // The list's first showing saved the history: everything the user had is still in it, and the capture
        // follows with the next save.
        QVERIFY(app.context->history().waitForWrites());
        QCOMPARE(readStringListAtPath(app.file(QStringLiteral("myfile"))), expected.mid(1));
        app.platform->fakeScheduler->advance(HistoryStore::kSaveDelay);
        QVERIFY(app.context->history().waitForWrites());
        QCOMPARE(readStringListAtPath(app.file(QStringLiteral("myfile"))), expected);
        QCOMPARE(app.context->groups().readGroupItems(QStringLiteral("Work")), QStringList{QStringLiteral("w")});
    }

    void aFailingSaveIsToldOnceAndAgainWhenItWorks()
    {
        App app;
        // A folder where the history file should be: no save can succeed, whoever runs the test.
        QVERIFY(QDir().mkpath(app.file(QStringLiteral("myfile"))));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the history to .*")));
        app.launch();
        QVERIFY(!app.context->history().waitForWrites());
        const QString path = app.file(QStringLiteral("myfile"));
        QCOMPARE(app.notices(), QStringList{QStringLiteral("Tavrin cannot save the clipboard history | %1: it is a "
                                                           "folder. What you copy stays in memory, and Tavrin keeps "
                                                           "trying.")
                                                .arg(path)});
        app.context->history().insertCaptured(QStringLiteral("copied"));
        app.context->history().scheduleSave();
        app.platform->fakeScheduler->advance(5s);
        QVERIFY(!app.context->history().waitForWrites());
        QCOMPARE(app.notices().size(), 1);

        QVERIFY(QDir(path).removeRecursively());
        app.platform->fakeScheduler->advance(10s);
        QVERIFY(app.context->history().waitForWrites());
        QCOMPARE(app.notices().size(), 2);
        QCOMPARE(app.notices().last(), QStringLiteral("Tavrin saves the clipboard history again | %1").arg(path));
        QCOMPARE(readStringListAtPath(path), QStringList{QStringLiteral("copied")});
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
        QVERIFY(QFile::remove(failing.file(QStringLiteral("myfile"))));
        QVERIFY(QDir().mkpath(failing.file(QStringLiteral("myfile"))));
        failing.context->history().insertCaptured(QStringLiteral("copied before the quit"));
        failing.context->history().scheduleSave();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the history to .*")));
        failing.shell->prepareToQuit();
        QVERIFY(!failing.shell->savedAtQuit());
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

        // Once the first program has ended, the folder is free again.
        first.reset();
        DataFolderLock third(folder);
        QVERIFY(third.lockOrExplain(alerts));
        QCOMPARE(alerts.shown.size(), 1);
    }
};

QTEST_MAIN(TestAppFiles)
#include "tst_app_files.moc"
