#pragma once

#include "hotkeys/AppShortcuts.h"

#include <QAction>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace tavrin {

class AppContext;
class HotKey;
class ProgramHider;
class SequentialWindow;
class ShortcutRecorder;
class StatusItem;

// The application delegate: the launch sequence, the tray item and the application-wide actions. It holds the
// three recorded shortcuts and connects the paste engine and sequential mode to the program's windows.
class AppDelegate : public QObject, public ShortcutHotKeyHolder {
    Q_OBJECT

public:
    /// The program's own identifier, and the one of the small program that starts it at login.
    static constexpr const char *kBundleIdentifier = "io.tavrin.Tavrin";
    static constexpr const char *kLauncherIdentifier = "io.tavrin.TavrinLauncher";

    explicit AppDelegate(AppContext &context, QObject *parent = nullptr);
    ~AppDelegate() override;

    /// Main menu items, disabled while a shortcut is being recorded; none until the main menu exists.
    QPointer<QAction> menuItem_window;
    QPointer<QAction> menuItem_appname;

    // The shortcuts' key-down actions, set to the program's own; tests put their own in.
    struct Hooks {
        std::function<void()> showShortcutWindow;
        std::function<void()> toggleSequentialMode;
        std::function<void()> sequentialPasteNext;
    };
    Hooks hooks;

    /// The quick-access, toggle-sequential-mode and sequential-paste shortcuts. Setting one installs its key-down
    /// action; the hot key released by a setter unregisters.
    const std::shared_ptr<HotKey> &hotKey() const { return m_hotKey; }
    void setHotKey(std::shared_ptr<HotKey> hotKey);
    const std::shared_ptr<HotKey> &sequentialcopyKey() const { return m_sequentialcopyKey; }
    void setSequentialcopyKey(std::shared_ptr<HotKey> hotKey);
    const std::shared_ptr<HotKey> &sequentialPasteKey() const { return m_sequentialPasteKey; }
    void setSequentialPasteKey(std::shared_ptr<HotKey> hotKey);

    std::shared_ptr<HotKey> shortcutHotKey(int n) const override;
    void setShortcutHotKey(int n, std::shared_ptr<HotKey> hotKey) override;

    /// Register the loaded shortcut as shortcut 1, 2 or 3, or drop it.
    void register_quickAccess(QObject *sender = nullptr);
    void unregister_quickAccess(QObject *sender = nullptr);
    void register_ToggleSequentialMode(QObject *sender = nullptr);
    void unregister_ToggleSequentialMode(QObject *sender = nullptr);
    void register_SequentialPasteKey(QObject *sender = nullptr);
    void unregister_SequentialPasteKey(QObject *sender = nullptr);

    /// The launch sequence: restores the stored state in its fixed order, then puts the item into the tray and
    /// shows the list (at the first run, once the first run's steps are done).
    void applicationDidFinishLaunching();
    /// Launch step: registers every recorded shortcut; one without modifiers counts as not recorded.
    void registerStoredShortcuts();
    /// Gives the tray item its image, tool tip and click action, and shows the list.
    void setupStatusItem();
    /// The quick-access shortcut's key-down action: "Pressed at " and the time on standard output, then the list.
    void quickAccessKeyDown();
    /// Activates the program and shows the quick-access list.
    void ShowShortcutWindow();
    /// Shows the main window.
    void menuShow_mainwindow(QObject *sender = nullptr);
    /// A clean quit: what has not been saved is written, then "terminate" on standard output.
    void applicationWillTerminate();
    /// False when the quit could not save everything (the program then ends with status 1).
    bool savedAtQuit() const { return m_savedAtQuit; }

    /// Whether a launch by the user (not at login) opens the main window; off while it has no content.
    bool opensMainWindowAtLaunch = false;

    StatusItem &statusItem() { return *m_statusItem; }

    AppShortcuts &shortcuts() { return *m_shortcuts; }
    ShortcutRecorder &shortcutRecorder() { return *m_recorder; }

private:
    void setMenuItemsEnabled(bool enabled);
    std::function<void()> keyDownAction(int n);
    void connectCapture();
    bool isLoginLaunch() const;
    void completeFirstRun();

    AppContext &m_context;
    std::unique_ptr<StatusItem> m_statusItem;
    std::unique_ptr<ProgramHider> m_hider;
    std::unique_ptr<SequentialWindow> m_sequentialWindow;
    std::unique_ptr<AppShortcuts> m_shortcuts;
    std::unique_ptr<ShortcutRecorder> m_recorder;
    std::shared_ptr<HotKey> m_hotKey;
    std::shared_ptr<HotKey> m_sequentialcopyKey;
    std::shared_ptr<HotKey> m_sequentialPasteKey;
    bool m_savedAtQuit = true;
};

}  // namespace tavrin
