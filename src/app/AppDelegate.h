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
class ShortcutRecorder;

// The application delegate: the launch sequence and the application-wide actions. For now it holds the three
// recorded shortcuts; the key-down actions that belong to windows and modes not built here are hooks.
class AppDelegate : public QObject, public ShortcutHotKeyHolder {
    Q_OBJECT

public:
    explicit AppDelegate(AppContext &context, QObject *parent = nullptr);
    ~AppDelegate() override;

    /// Main menu items, disabled while a shortcut is being recorded; none until the main menu exists.
    QPointer<QAction> menuItem_window;
    QPointer<QAction> menuItem_appname;

    // Actions and windows that other parts provide; each does nothing while unset.
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

    /// Launch step: registers every recorded shortcut; one without modifiers counts as not recorded.
    void registerStoredShortcuts();
    /// The quick-access shortcut's key-down action: "Pressed at " and the time on standard output, then the list.
    void quickAccessKeyDown();
    /// Activates the program and shows the quick-access list.
    void ShowShortcutWindow();

    AppShortcuts &shortcuts() { return *m_shortcuts; }
    ShortcutRecorder &shortcutRecorder() { return *m_recorder; }

private:
    void setMenuItemsEnabled(bool enabled);
    std::function<void()> keyDownAction(int n);

    AppContext &m_context;
    std::unique_ptr<AppShortcuts> m_shortcuts;
    std::unique_ptr<ShortcutRecorder> m_recorder;
    std::shared_ptr<HotKey> m_hotKey;
    std::shared_ptr<HotKey> m_sequentialcopyKey;
    std::shared_ptr<HotKey> m_sequentialPasteKey;
};

}  // namespace tavrin
