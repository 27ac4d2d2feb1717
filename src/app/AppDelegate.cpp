#include "app/AppDelegate.h"

#include "app/AppContext.h"
#include "app/ControllerAccessors.h"
#include "app/PlainQueueWindow.h"
#include "app/ProgramHider.h"
#include "app/QtKeyEvents.h"
#include "app/StatusItem.h"
#include "app/mainWindowController.h"
#include "app/permissionWindowController.h"
#include "app/popoverWindowController.h"
#include "capture/CaptureServices.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialWindow.h"
#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "hotkeys/ShortcutRecorder.h"
#include "platform/Platform.h"
#include "store/HistoryStore.h"
#include "store/PasteboardGroupStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"

#include <QDateTime>

#include <cstdio>

namespace tavrin {

namespace {

// Sequential mode's view of the queue window, which is created only when the mode is first switched on.
class QueueWindowOnFirstUse final : public SequentialWindow {
public:
    explicit QueueWindowOnFirstUse(ControllerAccessors &controllers) : m_controllers(controllers) {}

    bool isVisible() const override
    {
        return m_controllers.isLoaded(ids::sequentialWindowController) && m_controllers.sequentialWindow()->isVisible();
    }
    void show(bool activate) override { m_controllers.sequentialWindow()->show(activate); }
    void close() override
    {
        if (m_controllers.isLoaded(ids::sequentialWindowController))
            m_controllers.sequentialWindow()->close();
    }

private:
    ControllerAccessors &m_controllers;
};

}  // namespace

AppDelegate::AppDelegate(AppContext &context, QObject *parent)
    : QObject(parent),
      m_context(context),
      m_statusItem(std::make_unique<StatusItem>()),
      m_hider(std::make_unique<ProgramHider>(*context.platform().workspace)),
      m_sequentialWindow(std::make_unique<QueueWindowOnFirstUse>(context.controllers())),
      m_shortcuts(std::make_unique<AppShortcuts>(context.settings(), context.hotKeysController(), *this)),
      m_recorder(std::make_unique<ShortcutRecorder>(*m_shortcuts))
{
    m_recorder->setMenuItemsEnabled = [this](bool enabled) { setMenuItemsEnabled(enabled); };
    m_recorder->labelText = nativeShortcutText;
    context.hotKeysController().registrationFailedHook = [this] { m_recorder->shortcutRegistrationFailed(); };

    SequentialMode &sequential = context.capture().sequentialMode();
    hooks.showShortcutWindow = [this] { ShowShortcutWindow(); };
    hooks.toggleSequentialMode = [&sequential] { sequential.toggleSequentialMode(); };
    hooks.sequentialPasteNext = [&sequential] { sequential.sequentialPasteNext(); };
    connect(m_statusItem.get(), &StatusItem::clicked, this, &AppDelegate::ShowShortcutWindow);
    connectCapture();
}

AppDelegate::~AppDelegate()
{
    m_context.hotKeysController().registrationFailedHook = nullptr;
    PasteEngine::Hooks &engine = m_context.capture().pasteEngine().hooks;
    engine.closeListWindow = nullptr;
    engine.hideProgram = nullptr;
    engine.showPermissionGuide = nullptr;
    engine.runAlert = nullptr;
    m_context.capture().sequentialMode().setWindow(nullptr);
}

void AppDelegate::connectCapture()
{
    CaptureServices &capture = m_context.capture();
    ControllerAccessors &controllers = m_context.controllers();
    PasteEngine::Hooks &engine = capture.pasteEngine().hooks;
    engine.closeListWindow = [&controllers] {
        if (controllers.isLoaded(ids::popoverWindowController))
            controllers.popoverWindow()->close();
    };
    engine.hideProgram = [this] { m_hider->hideProgram(); };
    engine.showPermissionGuide = [&controllers] { controllers.permissionWindow()->showPermissionGuide(); };
    engine.runAlert = [this](const AlertRequest &request) { return m_context.alerts().runAlert(request); };
    capture.sequentialMode().setWindow(m_sequentialWindow.get());
}

void AppDelegate::applicationDidFinishLaunching()
{
    SettingsStore &settings = m_context.settings();
    HistoryStore &history = m_context.history();
    CaptureServices &capture = m_context.capture();
    Platform &platform = m_context.platform();

    history.loadPinCount();
    // Starting at login: the desktop's autostart switch. A backend without one leaves the choice stored only.
    if (const std::optional<bool> atLogin = settings.boolValue(keys::LoginStartStatus); atLogin && platform.loginItems)
        platform.loginItems->setLoginItemEnabled(QString::fromLatin1(kLauncherIdentifier), *atLogin);
    // A value of another type reads as missing, and sequential paste needs an integer here.
    if (!settings.integer(keys::SequentialPasteStayle))
        settings.setInteger(keys::SequentialPasteStayle, 0);
    capture.sound().load();
    registerStoredShortcuts();
    m_context.groups().loadGroupNames();
    history.loadItems();
    capture.insertCurrentClipboardText();
    capture.recordChangeCount();

    if (!settings.integer(keys::firstRun)) {
        completeFirstRun();
        return;
    }
    if (isLoginLaunch()) {
        // The launcher did its job and quits on this notice; nothing but the list is shown.
        if (platform.notificationCenter)
            platform.notificationCenter->post(QStringLiteral("killLauncher"), QString::fromLatin1(kBundleIdentifier));
    } else if (opensMainWindowAtLaunch) {
        menuShow_mainwindow();
    }
    setupStatusItem();
}

bool AppDelegate::isLoginLaunch() const
{
    // The launcher is still running exactly when it is what started the program.
    return m_context.platform().workspace->isApplicationRunning(QString::fromLatin1(kLauncherIdentifier));
}

void AppDelegate::completeFirstRun()
{
    // What finishing the welcome steps does, done at once: the first run is over, and the tray and the list start.
    m_context.settings().setInteger(keys::firstRun, 1);
    setupStatusItem();
}

void AppDelegate::setupStatusItem()
{
    m_statusItem->setup();
    if (!StatusItem::hasTray())
        std::fputs("Tavrin: this desktop shows no tray; open the list with its shortcut or by starting tavrin again\n",
                   stderr);
    // Without a tray the list is still shown: it is then the only sign that the program started.
    ShowShortcutWindow();
}

void AppDelegate::ShowShortcutWindow()
{
    m_context.controllers().popoverWindow()->showWindow();
}

void AppDelegate::menuShow_mainwindow(QObject *)
{
    // The main window is an ordinary window: the task bar lists the program while it is open, and no longer once it
    // is closed, which is all a Dock icon would tell.
    m_context.controllers().mainWindow()->showWindow();
}

void AppDelegate::applicationWillTerminate()
{
    m_savedAtQuit = m_context.saveBeforeQuit();
    std::puts("terminate");
    std::fflush(stdout);
}

void AppDelegate::setHotKey(std::shared_ptr<HotKey> hotKey)
{
    setShortcutHotKey(1, std::move(hotKey));
}

void AppDelegate::setSequentialcopyKey(std::shared_ptr<HotKey> hotKey)
{
    setShortcutHotKey(2, std::move(hotKey));
}

void AppDelegate::setSequentialPasteKey(std::shared_ptr<HotKey> hotKey)
{
    setShortcutHotKey(3, std::move(hotKey));
}

std::shared_ptr<HotKey> AppDelegate::shortcutHotKey(int n) const
{
    switch (n) {
    case 1: return m_hotKey;
    case 2: return m_sequentialcopyKey;
    case 3: return m_sequentialPasteKey;
    default: return nullptr;
    }
}

void AppDelegate::setShortcutHotKey(int n, std::shared_ptr<HotKey> hotKey)
{
    if (n < 1 || n > 3)
        return;
    if (hotKey)
        hotKey->setKeyDownHandler(keyDownAction(n));
    std::shared_ptr<HotKey> *slot = n == 1 ? &m_hotKey : n == 2 ? &m_sequentialcopyKey : &m_sequentialPasteKey;
    // The previous hot key is released after the slot changed, so its unregistration sees the new state.
    std::shared_ptr<HotKey> previous = std::exchange(*slot, std::move(hotKey));
    previous.reset();
}

void AppDelegate::register_quickAccess(QObject *)
{
    m_shortcuts->registerShortcut(1);
}

void AppDelegate::unregister_quickAccess(QObject *)
{
    m_shortcuts->unregisterShortcut(1);
}

void AppDelegate::register_ToggleSequentialMode(QObject *)
{
    m_shortcuts->registerShortcut(2);
}

void AppDelegate::unregister_ToggleSequentialMode(QObject *)
{
    m_shortcuts->unregisterShortcut(2);
}

void AppDelegate::register_SequentialPasteKey(QObject *)
{
    m_shortcuts->registerShortcut(3);
}

void AppDelegate::unregister_SequentialPasteKey(QObject *)
{
    m_shortcuts->unregisterShortcut(3);
}

void AppDelegate::registerStoredShortcuts()
{
    for (const AppShortcut &shortcut : AppShortcut::all()) {
        m_shortcuts->loadShortcut(shortcut.keyNameKey, shortcut.modifierKey);
        if (!m_shortcuts->shortcutModifiers.isEmpty())
            m_shortcuts->registerShortcut(shortcut.number);
    }
}

void AppDelegate::quickAccessKeyDown()
{
    const QString now = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000"));
    std::printf("Pressed at %s\n", qPrintable(now));
    std::fflush(stdout);
    if (hooks.showShortcutWindow)
        hooks.showShortcutWindow();
}

void AppDelegate::setMenuItemsEnabled(bool enabled)
{
    for (QAction *item : {menuItem_appname.data(), menuItem_window.data()}) {
        if (item)
            item->setEnabled(enabled);
    }
}

std::function<void()> AppDelegate::keyDownAction(int n)
{
    // The hot key may outlive the delegate; its action holds the delegate weakly.
    QPointer<AppDelegate> weakSelf(this);
    return [weakSelf, n] {
        if (!weakSelf)
            return;
        switch (n) {
        case 1: weakSelf->quickAccessKeyDown(); break;
        case 2:
            if (weakSelf->hooks.toggleSequentialMode)
                weakSelf->hooks.toggleSequentialMode();
            break;
        case 3:
            if (weakSelf->hooks.sequentialPasteNext)
                weakSelf->hooks.sequentialPasteNext();
            break;
        default: break;
        }
    };
}

}  // namespace tavrin
