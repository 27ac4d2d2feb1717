// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/LazyObject.h"
#include "app/WindowActivation.h"

#include <memory>

class QWidget;

namespace tavrin {

class AboutPane;
class AppActions;
class AppContext;
class ClipboardPane;
class GroupPane;
class MainWindowContent;
class QuickListView;
enum class MainPane;
class PasteAccessGuide;
class PreferencesPane;
class SequentialQueueView;
class SequentialQueueWindow;
class ShortcutRecorder;
class ShortcutStates;
class MainWindow;
class PasteAccessGuideWindow;
class QuickListWindow;
class WelcomePane;

// The program's windows and views, each made once on first use and kept for the whole run. Each has a typed slot:
// `windows.mainWindow()` gives the window (made now if need be), `windows.mainWindow.exists()` tells whether it
// was made. When the registry goes, it deletes, newest first, every object still alive that nothing else took as
// a child (a view placed in its window goes with that window).
class WindowRegistry {
public:
    /// Sets how each window and view is made.
    explicit WindowRegistry(AppContext &context);
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;
    ~WindowRegistry();

    /// The recorder the Preferences pane shows and feeds; set by the shell before the pane is first shown.
    void setShortcutRecorder(ShortcutRecorder *recorder) { m_recorder = recorder; }
    /// What the desktop made of each shortcut, shown by the Preferences pane; set by the shell.
    void setShortcutStates(ShortcutStates *states);

    /// The application's commands, shared by the list's menu, the tray menu and the main window.
    AppActions &actions() { return *m_actions; }

    /// Opens the main window on a pane (the Clipboard, Preferences or About), in front and with the focus.
    void showMainWindowOn(MainPane pane);

private:
    CreationOrder m_creationOrder;

public:
    /// The quick-access list (a `QuickListView`; tests may put another widget in its place).
    LazyObject<QWidget> quickListView{m_creationOrder};
    /// The frameless window at the top right that holds the list.
    LazyObject<QuickListWindow> quickListWindow{m_creationOrder};
    LazyObject<MainWindow> mainWindow{m_creationOrder};
    /// The main window's content: the sidebar and its panes.
    LazyObject<MainWindowContent> mainContent{m_creationOrder};
    /// The first run's welcome steps, the main window's content until they are finished.
    LazyObject<WelcomePane> welcomePane{m_creationOrder};
    LazyObject<ClipboardPane> clipboardPane{m_creationOrder};
    LazyObject<GroupPane> groupPane{m_creationOrder};
    /// Null when no shortcut recorder was set.
    LazyObject<PreferencesPane> preferencesPane{m_creationOrder};
    LazyObject<AboutPane> aboutPane{m_creationOrder};
    LazyObject<SequentialQueueWindow> sequentialWindow{m_creationOrder};
    /// The queue list, the content of the sequential queue window.
    LazyObject<SequentialQueueView> sequentialView{m_creationOrder};
    LazyObject<PasteAccessGuideWindow> pasteAccessGuideWindow{m_creationOrder};
    LazyObject<PasteAccessGuide> pasteAccessGuide{m_creationOrder};

private:
    void setFactories();
    void setMainWindowFactories();
    /// The commands' effects outside the views.
    void linkActions();
    DesktopActivation desktopActivation() const;

    AppContext &m_context;
    ShortcutRecorder *m_recorder = nullptr;
    ShortcutStates *m_shortcutStates = nullptr;
    std::unique_ptr<AppActions> m_actions;
};

}  // namespace tavrin
