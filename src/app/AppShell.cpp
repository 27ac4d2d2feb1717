// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppShell.h"

#include "app/AppContext.h"
#include "app/AppLog.h"
#include "app/MainWindow.h"
#include "app/PasteAccessGuideWindow.h"
#include "app/ProgramHider.h"
#include "app/QuickListWindow.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialWindow.h"
#include "hotkeys/AppShortcuts.h"
#include "hotkeys/ShortcutRecorder.h"
#include "platform/Platform.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"
#include "ui/main/MainWindowContent.h"
#include "ui/onboarding/WelcomePane.h"
#include "ui/preferences/PreferencesPane.h"
#include "ui/preferences/ShortcutLabel.h"
#include "ui/preferences/ShortcutStates.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QMenu>

namespace tavrin {

namespace {

// Sequential mode's view of the queue window, which is created only when the mode is first switched on.
class QueueWindowOnFirstUse final : public SequentialWindow {
public:
    explicit QueueWindowOnFirstUse(WindowRegistry &windows) : m_windows(windows) {}

    bool isVisible() const override
    {
        return m_windows.sequentialWindow.exists() && m_windows.sequentialWindow()->isVisible();
    }
    void show(bool activate) override { m_windows.sequentialWindow()->show(activate); }
    void close() override
    {
        if (m_windows.sequentialWindow.exists())
            m_windows.sequentialWindow()->close();
    }

private:
    WindowRegistry &m_windows;
};

}  // namespace

AppShell::AppShell(AppContext &context, QObject *parent)
    : QObject(parent),
      m_context(context),
      m_trayIcon(std::make_unique<TrayIcon>(context.platform().workspace.get())),
      m_trayMenu(std::make_unique<TrayMenu>(context, [this] { showQuickList(); })),
      m_hider(std::make_unique<ProgramHider>(*context.platform().workspace)),
      m_sequentialWindow(std::make_unique<QueueWindowOnFirstUse>(context.windows())),
      m_recorder(std::make_unique<ShortcutRecorder>(context.shortcuts(), shortcutLabel)),
      m_states(std::make_unique<ShortcutStates>())
{
    m_recorder->setMenuItemsEnabled = [this](bool enabled) { setMenuItemsEnabled(enabled); };
    context.windows().setShortcutRecorder(m_recorder.get());
    context.windows().setShortcutStates(m_states.get());
    connect(&context.shortcuts(), &AppShortcuts::activated, this, &AppShell::runShortcutAction);
    connect(&context.shortcuts(), &AppShortcuts::statusChanged, this, &AppShell::noteShortcutStatus);

    connect(m_trayIcon.get(), &TrayIcon::clicked, this, &AppShell::toggleQuickList);
    connect(m_trayIcon.get(), &TrayIcon::menuAboutToShow, this, [this](QMenu *menu) { m_trayMenu->fill(menu); });
    connect(&context.capture().recordingRules(), &RecordingRules::pausedChanged, m_trayIcon.get(),
            &TrayIcon::setPaused);
    connectCapture();
}

AppShell::~AppShell()
{
    // The Preferences pane feeds the recorder; it goes with it.
    WindowRegistry &windows = m_context.windows();
    if (windows.preferencesPane.exists())
        delete windows.preferencesPane.ifExists();
    windows.setShortcutRecorder(nullptr);
    windows.setShortcutStates(nullptr);
    m_context.capture().sequentialMode().setWindow(nullptr);
}

void AppShell::connectCapture()
{
    CaptureServices &capture = m_context.capture();
    WindowRegistry &windows = m_context.windows();
    PasteEngine &engine = capture.pasteEngine();
    connect(&engine, &PasteEngine::listWindowCloseRequested, this, [&windows] {
        if (windows.quickListWindow.exists())
            windows.quickListWindow()->close();
    });
    connect(&engine, &PasteEngine::programHideRequested, this, [this] { m_hider->hideProgram(); });
    connect(&engine, &PasteEngine::pasteAccessGuideRequested, this, [this, &windows] {
        const Platform &platform = m_context.platform();
        // The guide tells how to get an X11 session with XTEST; elsewhere the entry waits on the clipboard, and a
        // short notice says so and why.
        if (platform.capabilities.backend == QStringLiteral("X11")) {
            windows.pasteAccessGuideWindow()->showGuide();
            return;
        }
        platform.notifier->notify(tr("Copied: press Ctrl+V"), platform.capabilities.paste.detail);
    });
    connect(&engine, &PasteEngine::folderPasteConfirmationNeeded, this, [this, &engine] {
        // "No" leaves the folder on the clipboard, unpasted.
        if (m_context.alerts().runAlert(folderPasteQuestion()) == 0)
            engine.pasteConfirmedFolder();
    });
    capture.sequentialMode().setWindow(m_sequentialWindow.get());
}

void AppShell::launch()
{
    SettingsStore &settings = m_context.settings();
    HistoryStore &history = m_context.history();
    CaptureServices &capture = m_context.capture();
    Platform &platform = m_context.platform();

    history.loadPinCount();
    // Starting at login: the desktop's autostart switch. A backend without one leaves the choice stored only.
    if (const std::optional<bool> atLogin = settings.boolValue(keys::startAtLogin);
        atLogin && platform.canStartAtLogin())
        platform.loginItems->setLoginItemEnabled(QString::fromLatin1(LoginItems::kLauncherIdentifier), *atLogin);
    // Sequential paste takes nothing without a stored order.
    settings.storeDefaultIfMissing(keys::sequentialPasteOrder);
    capture.sound().load();
    capture.loadReadTimeout();
    registerStoredShortcuts();
    m_context.groups().loadGroupNames();
    // A long history is read while the tray, the shortcuts and the command interface already answer.
    history.startLoadingItems();
    // The count first: the clipboard's text is read on the worker, and a copy made while it reads is then a change
    // the monitor records.
    capture.recordChangeCount();
    capture.insertCurrentClipboardText();

    if (!settings.integer(keys::firstRun)) {
        showWelcome();
        return;
    }
    if (isLoginLaunch()) {
        // The launcher did its job and quits on this notice; nothing but the list is shown.
        if (platform.notificationCenter)
            platform.notificationCenter->post(QStringLiteral("killLauncher"), QString::fromLatin1(kBundleIdentifier));
    } else if (opensMainWindowAtLaunch) {
        showMainWindow();
    }
    setUpTrayIcon();
}

bool AppShell::isLoginLaunch() const
{
    // The launcher is still running exactly when it is what started the program.
    return m_context.platform().workspace->isApplicationRunning(QString::fromLatin1(LoginItems::kLauncherIdentifier));
}

void AppShell::showWelcome()
{
    // Only the main window with the welcome steps: no tray item, no list and no recording until they are finished.
    m_firstRunPending = true;
    WindowRegistry &windows = m_context.windows();
    MainWindow *window = windows.mainWindow();
    auto *welcome = qobject_cast<WelcomePane *>(window->content());
    if (!welcome) {
        // The window was made before, when "firstRun" held an integer.
        completeFirstRun();
        return;
    }
    connect(welcome, &WelcomePane::finished, this, &AppShell::completeFirstRun);
    window->showWindow();
}

void AppShell::completeFirstRun()
{
    // The pane stored "firstRun" and applied the start-at-login choice; the sidebar takes its place and the tray
    // and the list start.
    m_firstRunPending = false;
    WindowRegistry &windows = m_context.windows();
    MainWindow *window = windows.mainWindow();
    window->setContent(windows.mainContent());
    window->showWindow();
    setUpTrayIcon();
}

void AppShell::setUpTrayIcon()
{
    m_trayIcon->setup();
    if (!TrayIcon::hasTray())
        qCInfo(lcApp, "no tray is shown on this desktop now; open the list with its shortcut or by starting "
                      "tavrin again");
    // Without a tray the list is still shown: it is then the only sign that the program started.
    showQuickList();
}

void AppShell::showQuickList()
{
    // Until the welcome steps are finished they are what a request for the program's window shows.
    if (m_firstRunPending) {
        m_context.windows().mainWindow()->showWindow();
        return;
    }
    m_context.windows().quickListWindow()->showWindow();
}

void AppShell::toggleQuickList()
{
    WindowRegistry &windows = m_context.windows();
    if (windows.quickListWindow.exists() && windows.quickListWindow()->isVisible())
        windows.quickListWindow()->hide();
    else
        showQuickList();
}

void AppShell::showMainWindow(QObject *)
{
    // The main window is an ordinary window: the task bar lists the program exactly while it is open.
    m_context.windows().mainWindow()->showWindow();
}

void AppShell::prepareToQuit()
{
    m_savedAtQuit = m_context.saveBeforeQuit();
    if (m_savedAtQuit)
        qCInfo(lcApp, "quit: everything saved");
}

void AppShell::noteShortcutStatus(Shortcut shortcut, const std::optional<ShortcutStatus> &status)
{
    m_states->setStatus(shortcut, status);
    // A recording tells the refusal in its alert; at launch the Preferences show it beside the box.
    const bool refused = status && status->state == ShortcutStatus::State::Refused;
    m_states->setRefusalToTell(refused && m_recorder->recordingShortcut() == shortcut ? status->reason : QString());
}

void AppShell::registerStoredShortcuts()
{
    m_context.shortcuts().registerStored();
}

void AppShell::quickAccessPressed()
{
    qCDebug(lcApp, "the quick-access shortcut was pressed");
    showQuickList();
}

void AppShell::runShortcutAction(Shortcut shortcut)
{
    Q_EMIT shortcutPressed(shortcut);
    SequentialMode &sequential = m_context.capture().sequentialMode();
    switch (shortcut) {
    case Shortcut::quickAccess: quickAccessPressed(); break;
    case Shortcut::toggleSequentialMode: sequential.toggleSequentialMode(); break;
    case Shortcut::sequentialPaste: sequential.sequentialPasteNext(); break;
    }
}

void AppShell::setMenuItemsEnabled(bool enabled)
{
    for (const QPointer<QAction> &action : std::as_const(actionsLockedWhileRecording)) {
        if (action)
            action->setEnabled(enabled);
    }
}

}  // namespace tavrin
