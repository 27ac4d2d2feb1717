// SPDX-License-Identifier: GPL-3.0-or-later
// The launch sequence, the tray item and the actions that show the program's windows, on the fake platform.
#include "FakeAppContext.h"
#include "TestDirs.h"
#include "app/AppActions.h"
#include "app/AppContext.h"
#include "app/AppShell.h"
#include "app/MainWindow.h"
#include "app/PasteAccessGuide.h"
#include "app/PasteAccessGuideWindow.h"
#include "app/QuickListWindow.h"
#include "app/TrayIcon.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/LastChangeCount.h"
#include "capture/PasteEngine.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "platform/fake/FakeAccessibility.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeGlobalShortcuts.h"
#include "platform/fake/FakeKeyEventPoster.h"
#include "platform/fake/FakeLocations.h"
#include "platform/fake/FakeLoginItems.h"
#include "platform/fake/FakeNotificationCenter.h"
#include "platform/fake/FakeNotifier.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeScheduler.h"
#include "platform/fake/FakeWorkspace.h"
#include "store/GroupStore.h"
#include "store/HistoryJournal.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/SettingsTable.h"
#include "store/StringListFiles.h"
#include "ui/SheetPresenter.h"
#include "ui/main/MainWindowContent.h"
#include "ui/onboarding/WelcomePane.h"
#include "ui/queue/SequentialQueueView.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

using namespace tavrin;

namespace {

const QString kLauncher = QString::fromLatin1(LoginItems::kLauncherIdentifier);

// A program on the fake platform with its settings in memory and its files in the test's own folder.
struct App : test::FakeAppContext {
    test::TestDirs dirs;
    std::unique_ptr<AppShell> shell;

    App() { shell = std::make_unique<AppShell>(*context); }
    ~App()
    {
        shell.reset();
        context.reset();
    }

    /// The launch, and the history it reads in the background taken in.
    void launch()
    {
        shell->launch();
        context->history().finishLoading();
    }
    void finishedFirstRunBefore() { settings->setInteger(keys::firstRun, 1); }

    WindowRegistry &windows() { return context->windows(); }
    HistoryStore &history() { return context->history(); }
    bool listShown() { return windows().quickListWindow.exists() && popover()->isVisible(); }
    QuickListWindow *popover() { return windows().quickListWindow(); }
    bool mainWindowShown() { return windows().mainWindow.exists() && windows().mainWindow()->isVisible(); }
    QString dataFolder() const { return platform->fakeLocations->dataDirectory(); }
    /// What the next start reads: the history file with its journal applied.
    QStringList historyOnDisk()
    {
        const QString path = dataFolder() + QStringLiteral("/myfile.plist");
        EntryList items = readListFile(path).strings;
        std::int64_t pins = 0;
        replayJournal(path, items, pins);
        return items.toStringList();
    }
};

}  // namespace

class TestAppLaunch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theLaunchRestoresTheStoredStateInItsOrder()
    {
        App app;
        const QString file = app.dataFolder() + QStringLiteral("/myfile.plist");
        writeStringListAtPath(file, {QStringLiteral("pinned"), QStringLiteral("older")});
        app.settings->setString(keys::historyPath, file);
        app.settings->setInteger(keys::pinCount, 1);
        app.settings->setBool(keys::startAtLogin, true);
        app.settings->setStringArray(keys::groupNames, {QStringLiteral("Work")});
        app.settings->setString(keys::quickAccessKeyName, QStringLiteral("V"));
        app.settings->setIntegerArray(keys::quickAccessModifiers, {14, 11});
        app.finishedFirstRunBefore();
        app.platform->fakeClipboard->copyText(QStringLiteral("on the clipboard"));
        app.platform->fakeClipboard->copyText(QStringLiteral("copied again"));
        app.launch();

        // The login choice goes to the desktop's switch for the launcher.
        QCOMPARE(app.platform->fakeLoginItems->requests, (QList<QPair<QString, bool>>{{kLauncher, true}}));
        QCOMPARE(app.settings->integer(keys::sequentialPasteOrder), std::optional<std::int64_t>(0));
        QCOMPARE(app.settings->boolValue(keys::soundEnabled), std::optional<bool>(true));
        QVERIFY(app.platform->fakeGlobalShortcuts->isRegistered(
            QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V)));
        QCOMPARE(app.context->groups().groupNames(), QStringList{QStringLiteral("Work")});
        // The monitor starts from the clipboard's count, so the clipboard's text is not recorded a second time; that
        // text is read on the worker and goes below the pins of the history read from the file.
        QCOMPARE(app.context->capture().lastChangeCount().value(), app.platform->fakeClipboard->changeCount());
        QCOMPARE(app.history().items(), QStringList({QStringLiteral("pinned"), QStringLiteral("older")}));
        app.platform->fakeDispatcher->runAll();
        QCOMPARE(app.history().items(),
                 QStringList({QStringLiteral("pinned"), QStringLiteral("copied again"), QStringLiteral("older")}));

        // A user's launch: the tray item, the main window and the list.
        QVERIFY(app.shell->trayIcon().isSetUp());
        QVERIFY(app.listShown());
        QVERIFY(app.mainWindowShown());
        QVERIFY(app.platform->fakeNotificationCenter->posted.isEmpty());
        // The list's first showing saved the history once and started the monitor; the text read later is saved
        // on its own.
        QVERIFY(app.context->capture().monitor().isStarted());
        app.platform->fakeScheduler->advance(HistoryStore::kSaveDelay);
        QVERIFY(app.history().waitForWrites());
        QCOMPARE(app.historyOnDisk(), app.history().items());
    }

    void aFreshLaunchStoresWhatTheSettingsTableSays()
    {
        App app;
        app.finishedFirstRunBefore();
        app.launch();
        for (const SettingRule &rule : SettingRule::all()) {
            // firstRun is set by the test (no welcome steps); the list's first showing saved the history.
            if (rule.key == keys::firstRun || rule.whenMissing == SettingRule::WhenMissing::storedAtFirstSave)
                continue;
            const bool stored = rule.holdsValue(*app.settings);
            switch (rule.whenMissing) {
            case SettingRule::WhenMissing::storedAtLaunch: QVERIFY2(stored, qPrintable(rule.key)); break;
            case SettingRule::WhenMissing::leftMissing: QVERIFY2(!stored, qPrintable(rule.key)); break;
            default: break;  // the list read its setting at its first showing, or not yet
            }
            if (stored && rule.defaultValue.isValid()) {
                QVariant value = app.settings->value(rule.key);
                if (rule.type == SettingRule::Type::textArray)
                    value = value.toStringList();  // stored as a plain list of texts
                QCOMPARE(value, rule.defaultValue);
            }
        }
        // Every key the launch wrote is in the table.
        for (const QString &key : app.settings->keys())
            QVERIFY2(SettingRule::of(key), qPrintable(key));
    }

    void storedSettingsAreKeptAndValuesOfAnotherTypeReplaced()
    {
        App app;
        app.finishedFirstRunBefore();
        app.settings->setInteger(keys::sequentialPasteOrder, 1);
        app.settings->setBool(keys::soundEnabled, false);
        app.settings->setString(keys::startAtLogin, QStringLiteral("yes"));
        app.launch();
        QCOMPARE(app.settings->integer(keys::sequentialPasteOrder), std::optional<std::int64_t>(1));
        QCOMPARE(app.settings->boolValue(keys::soundEnabled), std::optional<bool>(false));
        QVERIFY(app.platform->fakeLoginItems->requests.isEmpty());
    }

    void aPasteOrderOfAnotherTypeIsReplaced()
    {
        App app;
        app.finishedFirstRunBefore();
        app.settings->setString(keys::sequentialPasteOrder, QStringLiteral("first"));
        app.launch();
        QCOMPARE(app.settings->integer(keys::sequentialPasteOrder), std::optional<std::int64_t>(0));
    }

    void aBackendWithoutLoginItemsOrNotificationsStillLaunches()
    {
        App app;
        app.platform->loginItems.reset();
        app.platform->notificationCenter.reset();
        app.finishedFirstRunBefore();
        app.settings->setBool(keys::startAtLogin, true);
        app.platform->fakeWorkspace->runningApplications.insert(kLauncher);
        app.launch();
        QVERIFY(app.listShown());
        QCOMPARE(app.settings->boolValue(keys::startAtLogin), std::optional<bool>(true));
    }

    void aFirstRunShowsOnlyTheWelcomeStepsUntilTheButtonFinishesThem()
    {
        App app;
        app.launch();
        QVERIFY(app.mainWindowShown());
        auto *welcome = qobject_cast<WelcomePane *>(app.windows().mainWindow()->content());
        QVERIFY(welcome);
        // No tray item, no list, no recording, and nothing stored yet.
        QVERIFY(!app.shell->trayIcon().isSetUp());
        QVERIFY(!app.windows().quickListWindow.exists());
        QVERIFY(!app.context->capture().monitor().isStarted());
        QCOMPARE(app.settings->integer(keys::firstRun), std::nullopt);
        // Whatever asks for the list meanwhile gets the welcome steps.
        app.shell->showQuickList();
        QVERIFY(!app.windows().quickListWindow.exists());

        welcome->getStartedButton()->click();
        QCOMPARE(app.settings->integer(keys::firstRun), std::optional<std::int64_t>(1));
        QCOMPARE(app.platform->fakeLoginItems->requests, (QList<QPair<QString, bool>>{{kLauncher, true}}));
        QCOMPARE(app.settings->boolValue(keys::startAtLogin), std::optional<bool>(true));
        QCOMPARE(app.windows().mainWindow()->content(), app.windows().mainContent());
        QVERIFY(app.mainWindowShown());
        QVERIFY(app.shell->trayIcon().isSetUp());
        QVERIFY(app.listShown());
        QVERIFY(app.context->capture().monitor().isStarted());
        // The pane goes once the sidebar took its place.
        QTRY_VERIFY(!app.windows().welcomePane.exists());
    }

    void closingTheWindowDuringTheWelcomeStepsFinishesThemInstead()
    {
        App app;
        app.platform->fakeLoginItems->succeeds = false;
        auto sheets = std::make_unique<ScriptedSheetPresenter>();
        ScriptedSheetPresenter &shown = *sheets;
        app.context->setSheetPresenter(std::move(sheets));
        app.launch();
        MainWindow *window = app.windows().mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::ignoreMessage(QtWarningMsg, "Failed to add login item. the autostart folder is read-only");
        QVERIFY(!window->close());
        // The window stays, now with the sidebar; the failed login item was told once and changed nothing else.
        QVERIFY(window->isVisible());
        QCOMPARE(window->content(), app.windows().mainContent());
        QCOMPARE(app.settings->integer(keys::firstRun), std::optional<std::int64_t>(1));
        QCOMPARE(app.settings->boolValue(keys::startAtLogin), std::nullopt);
        QCOMPARE(shown.shown.size(), 1);
        QCOMPARE(shown.shown.constFirst().messageText, QStringLiteral("Tavrin will not start at login"));
        QVERIFY(app.shell->trayIcon().isSetUp());
        QVERIFY(app.context->capture().monitor().isStarted());
        // Closed now, it only hides.
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        QCOMPARE(shown.alertWindows.constFirst().data(), window);
    }

    void theNextLaunchAfterTheWelcomeStepsIsAnOrdinaryOne()
    {
        App app;
        app.launch();
        app.windows().welcomePane()->finish();
        App next;
        next.settings->setInteger(keys::firstRun, *app.settings->integer(keys::firstRun));
        next.launch();
        QCOMPARE(next.windows().mainWindow()->content(), next.windows().mainContent());
        QVERIFY(!next.windows().welcomePane.exists());
        QVERIFY(next.listShown());
    }

    void aFirstRunValueOfAnotherTypeCountsAsNoFirstRunDone()
    {
        App app;
        app.settings->setString(keys::firstRun, QStringLiteral("1"));
        app.launch();
        QVERIFY(qobject_cast<WelcomePane *>(app.windows().mainWindow()->content()));
        QVERIFY(!app.listShown());
        app.windows().welcomePane()->finish();
        QCOMPARE(app.settings->integer(keys::firstRun), std::optional<std::int64_t>(1));
        QVERIFY(app.listShown());
    }

    void aLaunchAtLoginTellsTheLauncherToQuitAndOpensNoMainWindow()
    {
        App app;
        app.finishedFirstRunBefore();
        app.shell->opensMainWindowAtLaunch = true;
        app.platform->fakeWorkspace->runningApplications.insert(kLauncher);
        app.launch();
        QCOMPARE(app.platform->fakeNotificationCenter->posted,
                 (QList<QPair<QString, QString>>{
                     {QStringLiteral("killLauncher"), QString::fromLatin1(AppShell::kBundleIdentifier)}}));
        QVERIFY(!app.windows().mainWindow.exists());
        QVERIFY(app.shell->trayIcon().isSetUp());
        QVERIFY(app.listShown());
    }

    void aUserLaunchOpensTheMainWindowOnceItIsWanted()
    {
        App app;
        app.finishedFirstRunBefore();
        app.shell->opensMainWindowAtLaunch = true;
        app.launch();
        QVERIFY(app.mainWindowShown());
        QCOMPARE(app.windows().mainWindow()->windowTitle(), QStringLiteral("Tavrin"));
        QVERIFY(app.listShown());
        QVERIFY(app.platform->fakeNotificationCenter->posted.isEmpty());
    }

    void theTrayItemAndTheShortcutShowTheList()
    {
        App app;
        QVERIFY(!app.shell->trayIcon().isSetUp());
        QVERIFY(!app.shell->trayIcon().trayIcon()->isVisible());
        app.settings->setString(keys::quickAccessKeyName, QStringLiteral("V"));
        app.settings->setIntegerArray(keys::quickAccessModifiers, {14, 11});
        app.finishedFirstRunBefore();
        // Only the list's activations are counted here.
        app.shell->opensMainWindowAtLaunch = false;
        app.launch();

        QSystemTrayIcon *tray = app.shell->trayIcon().trayIcon();
        QVERIFY(tray->isVisible());
        QCOMPARE(tray->toolTip(), QStringLiteral("Tavrin"));
        QVERIFY(!tray->icon().isNull());
        QVERIFY(!tray->icon().pixmap(22, 22).isNull());
        QCOMPARE(tray->contextMenu(), app.shell->trayIcon().menu());

        // A left click shows the list, and hides it again; the right click only opens the menu.
        app.popover()->hide();
        Q_EMIT tray->activated(QSystemTrayIcon::Context);
        QVERIFY(!app.listShown());
        Q_EMIT tray->activated(QSystemTrayIcon::Trigger);
        QVERIFY(app.listShown());
        Q_EMIT tray->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!app.listShown());
        Q_EMIT tray->activated(QSystemTrayIcon::Trigger);
        QVERIFY(app.listShown());

        app.popover()->hide();
        app.platform->fakeWorkspace->activations.clear();
        QVERIFY(app.platform->fakeGlobalShortcuts->press(
            QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V)));
        QVERIFY(app.listShown());
        // The desktop is asked to give the list the focus once the window is on screen.
        QTRY_COMPARE(app.platform->fakeWorkspace->activations,
                     QList<Workspace::WindowId>({Workspace::WindowId(app.popover()->winId())}));
        // One window for the whole run.
        QCOMPARE(app.windows().quickListWindow(), app.popover());
    }

    void theTrayMenuPastesTheTopFiveRowsAndHoldsTheApplicationMenu()
    {
        App app;
        const QString file = app.dirs.documents() + QStringLiteral("/myfile.plist");
        writeStringListAtPath(file, {QStringLiteral("pinned & kept"), QStringLiteral("two\nlines"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
        app.settings->setString(keys::historyPath, file);
        app.settings->setInteger(keys::pinCount, 1);
        app.finishedFirstRunBefore();
        app.launch();
        app.popover()->hide();

        QMenu *menu = app.shell->trayIcon().menu();
        auto openMenu = [menu] {
            Q_EMIT menu->aboutToShow();
            QStringList titles;
            for (const QAction *action : menu->actions())
                titles << (action->isSeparator() ? QStringLiteral("-") : action->text());
            return titles;
        };
        const QStringList titles = openMenu();
        QCOMPARE(titles.mid(0, 8),
                 QStringList({QStringLiteral("&1  \U0001F4CC pinned && kept"), QStringLiteral("&2  two lines"),
                              QStringLiteral("&3  3"), QStringLiteral("&4  4"), QStringLiteral("&5  5"),
                              QStringLiteral("-"), QStringLiteral("Show Clipboard"), QStringLiteral("-")}));
        QVERIFY(titles.contains(QStringLiteral("Clear Clipboard")));
        QCOMPARE(titles.last(), QStringLiteral("Quit"));
        // The shell's own actions, the same objects the list's application menu shows.
        QCOMPARE(menu->actions().mid(8), app.context->windows().actions().forViews().menu);
        // Built anew at each opening, not added to.
        QCOMPARE(openMenu(), titles);

        // A row pastes its entry into the window that had the focus, as Ctrl+digit does.
        menu->actions().at(1)->trigger();
        QCOMPARE(app.platform->fakeClipboard->writes().last().value, QStringLiteral("two\nlines"));
        app.platform->fakeScheduler->advance(PasteEngine::kPasteDelay);
        QVERIFY(!app.platform->fakeKeyEventPoster->typed.isEmpty());

        menu->actions().at(6)->trigger();
        QVERIFY(app.listShown());

        // Pausing from the tray: the item shows it, and the menu offers to resume.
        QAction *pause = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text() == QStringLiteral("Pause Recording"))
                pause = action;
        }
        QVERIFY(pause);
        pause->trigger();
        QVERIFY(app.context->capture().recordingRules().isPaused());
        QVERIFY(app.shell->trayIcon().showsPaused());
        QCOMPARE(app.shell->trayIcon().trayIcon()->toolTip(), QStringLiteral("Tavrin (recording paused)"));
        QVERIFY(openMenu().contains(QStringLiteral("Resume Recording")));
        app.context->capture().recordingRules().setPaused(false);
        QCOMPARE(app.shell->trayIcon().trayIcon()->toolTip(), QStringLiteral("Tavrin"));
    }

    void whereTheDesktopLetsNoProgramPasteANoticeSaysSoInsteadOfTheX11Guide()
    {
        App app;
        app.finishedFirstRunBefore();
        app.platform->capabilities.backend = QStringLiteral("Wayland");
        app.platform->capabilities.paste = {false, QStringLiteral("the compositor offers no virtual keyboard")};
        app.platform->fakeAccessibility->trusted = false;
        app.launch();
        PasteEngine &engine = app.context->capture().pasteEngine();
        engine.pasteItem(QStringLiteral("first"));  // the first paste never asks
        // Nothing reads the entry here: the next paste waits for the bounded hold.
        app.platform->fakeScheduler->advance(PasteEngine::kPasteDelay + PasteHold::kReadWait);
        engine.pasteItem(QStringLiteral("second"));
        app.platform->fakeScheduler->advance(PasteEngine::kPasteDelay);
        QCOMPARE(app.platform->fakeNotifier->notices,
                 (QList<QPair<QString, QString>>{{QStringLiteral("Copied: press Ctrl+V"),
                                                  QStringLiteral("the compositor offers no virtual keyboard")}}));
        QVERIFY(!app.windows().pasteAccessGuideWindow.exists());
        // The entry waits on the clipboard.
        QCOMPARE(app.platform->fakeClipboard->writes().constLast().value, QStringLiteral("second"));
    }

    void thePasteEngineReachesTheProgramsWindows()
    {
        App app;
        app.finishedFirstRunBefore();
        app.launch();
        PasteEngine &engine = app.context->capture().pasteEngine();
        app.platform->capabilities.backend = QStringLiteral("X11");

        // The guide is created once and shown again each time.
        QVERIFY(!app.windows().pasteAccessGuideWindow.exists());
        Q_EMIT engine.pasteAccessGuideRequested();
        PasteAccessGuideWindow *guide = app.windows().pasteAccessGuideWindow();
        QVERIFY(guide->isVisible());
        QCOMPARE(guide->content(), app.windows().pasteAccessGuide());
        guide->close();
        Q_EMIT engine.pasteAccessGuideRequested();
        QVERIFY(guide->isVisible());
        QCOMPARE(app.windows().pasteAccessGuideWindow(), guide);
        guide->close();

        QVERIFY(app.listShown());
        Q_EMIT engine.listWindowCloseRequested();
        QVERIFY(!app.listShown());

        // Hiding the program hides the list and gives the focus back to the window that had it.
        app.shell->showQuickList();
        app.platform->fakeWorkspace->lastForeign = 77;
        app.platform->fakeWorkspace->active = app.popover()->winId();
        Q_EMIT engine.programHideRequested();
        QVERIFY(!app.listShown());
        QCOMPARE(app.platform->fakeWorkspace->activations.last(), Workspace::WindowId(77));
    }

    void theQueueWindowIsCreatedWhenSequentialModeIsFirstSwitchedOn()
    {
        App app;
        app.settings->setString(keys::toggleSequentialKeyName, QStringLiteral("s"));
        app.settings->setIntegerArray(keys::toggleSequentialModifiers, {12, 13});
        app.finishedFirstRunBefore();
        app.launch();
        SequentialMode &mode = app.context->capture().sequentialMode();

        // A copy while the mode is off asks whether it is on, which needs no window.
        app.platform->fakeClipboard->copyText(QStringLiteral("copied while off"));
        app.platform->fakeClipboard->notifyChange();
        app.platform->fakeDispatcher->runAll();
        QCOMPARE(app.history().items().value(0), QStringLiteral("copied while off"));
        QVERIFY(!mode.isOn());
        QVERIFY(!app.windows().sequentialWindow.exists());

        // The toggle shortcut switches the mode on: its window appears, with the queue list as its content.
        const QKeyCombination toggle = app.platform->fakeGlobalShortcuts->registrations().begin()->second.keys;
        QVERIFY(app.platform->fakeGlobalShortcuts->press(toggle));
        QVERIFY(mode.isOn());
        QVERIFY(app.windows().sequentialView()->isVisible());
        QCOMPARE(app.windows().sequentialView(), app.windows().sequentialWindow()->view());
        // The menus' action says what choosing it would do, whoever switched the mode.
        QAction *queueAction = app.windows().actions().toggleSequentialQueue();
        QCOMPARE(queueAction->text(), QStringLiteral("Hide Sequential Paste Queue"));
        mode.toggleSequentialQueue();
        QVERIFY(!mode.isOn());
        QCOMPARE(queueAction->text(), QStringLiteral("Show Sequential Paste Queue"));
        // The queue's own close button.
        QVERIFY(app.platform->fakeGlobalShortcuts->press(toggle));
        QCOMPARE(queueAction->text(), QStringLiteral("Hide Sequential Paste Queue"));
        Q_EMIT app.windows().sequentialView()->closeRequested();
        QVERIFY(!mode.isOn());
        QCOMPARE(queueAction->text(), QStringLiteral("Show Sequential Paste Queue"));
    }

    void theMainWindowCommandShowsOneMainWindow()
    {
        App app;
        app.finishedFirstRunBefore();
        app.launch();
        app.shell->showMainWindow();
        QVERIFY(app.mainWindowShown());
        MainWindow *window = app.windows().mainWindow();
        window->close();
        QVERIFY(!app.mainWindowShown());
        app.shell->showMainWindow();
        QCOMPARE(app.windows().mainWindow(), window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    }

    void aCleanQuitWritesTheHistorySaveThatIsStillWaiting()
    {
        App app;
        app.finishedFirstRunBefore();
        app.launch();
        QVERIFY(app.history().waitForWrites());
        app.history().insertCaptured(QStringLiteral("copied just before the quit"));
        app.history().scheduleSave();
        QVERIFY(app.history().hasPendingSave());
        app.shell->prepareToQuit();
        QVERIFY(!app.history().hasPendingSave());
        QCOMPARE(app.historyOnDisk(), QStringList{QStringLiteral("copied just before the quit")});
    }
};

QTEST_MAIN(TestAppLaunch)
#include "tst_app_launch.moc"
