// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hotkeys/AppShortcuts.h"
#include "platform/ApplicationId.h"

#include <QAction>
#include <QObject>
#include <QPointer>

#include <memory>

namespace tavrin {

class AppContext;
class ProgramHider;
class SequentialWindow;
class ShortcutRecorder;
class ShortcutStates;
class TrayIcon;
class TrayMenu;

// The program shell: the launch sequence, the tray item and the application-wide actions. It records the
// three shortcuts, runs their actions, and connects the paste engine and sequential mode to the program's windows.
class AppShell : public QObject {
    Q_OBJECT

Q_SIGNALS:
    /// A shortcut was pressed; its action runs right after.
    void shortcutPressed(tavrin::Shortcut shortcut);

public:
    /// The program's own identifier, and the one of the small program that starts it at login.
    static constexpr const char *kBundleIdentifier = kApplicationId;

    explicit AppShell(AppContext &context, QObject *parent = nullptr);
    ~AppShell() override;

    /// Menu commands that wait while a shortcut is being recorded (disabled until the recording ends).
    QList<QPointer<QAction>> actionsLockedWhileRecording;

    /// The launch sequence: restores the stored state in its fixed order, then puts the item into the tray and
    /// shows the list; at the first run only the welcome steps are shown, and the rest follows when they end.
    void launch();
    /// Launch step: registers every recorded shortcut; one without modifiers counts as not recorded.
    void registerStoredShortcuts();
    /// Gives the tray item its image, tool tip and click action, and shows the list.
    void setUpTrayIcon();
    /// The quick-access shortcut's action: the list.
    void quickAccessPressed();
    /// What a shortcut's press does.
    void runShortcutAction(tavrin::Shortcut shortcut);
    /// Activates the program and shows the quick-access list.
    void showQuickList();
    /// The tray item's left click: shows the list, or hides it when it is shown.
    void toggleQuickList();
    /// Shows the main window.
    void showMainWindow(QObject *sender = nullptr);
    /// A clean quit: what has not been saved is written, then "terminate" on standard output.
    void prepareToQuit();
    /// False when the quit could not save everything (the program then ends with status 1).
    bool savedAtQuit() const { return m_savedAtQuit; }

    /// Whether a launch by the user (not at login) opens the main window.
    bool opensMainWindowAtLaunch = true;

    TrayIcon &trayIcon() { return *m_trayIcon; }

    /// What the desktop made of each shortcut the last time it was taken.
    ShortcutStates &shortcutStates() { return *m_states; }
    ShortcutRecorder &shortcutRecorder() { return *m_recorder; }

private:
    void setMenuItemsEnabled(bool enabled);
    /// Keeps what the desktop made of a shortcut for the Preferences, and its refusal for the recorder's alert.
    void noteShortcutStatus(Shortcut shortcut, const std::optional<ShortcutStatus> &status);
    void connectCapture();
    bool isLoginLaunch() const;
    /// The first run: the main window shows the welcome steps, and the rest waits for their end.
    void showWelcome();
    /// The welcome steps are done: the main window gets its sidebar, and the tray item and the list start.
    void completeFirstRun();

    AppContext &m_context;
    std::unique_ptr<TrayIcon> m_trayIcon;
    std::unique_ptr<TrayMenu> m_trayMenu;
    std::unique_ptr<ProgramHider> m_hider;
    std::unique_ptr<SequentialWindow> m_sequentialWindow;
    std::unique_ptr<ShortcutRecorder> m_recorder;
    std::unique_ptr<ShortcutStates> m_states;
    bool m_savedAtQuit = true;
    bool m_firstRunPending = false;
};

}  // namespace tavrin
