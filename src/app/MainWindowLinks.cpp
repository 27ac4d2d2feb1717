// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window's views are made, and what they and the quick-access list tell each other.
#include "app/AppActions.h"
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/QuickListWindow.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "platform/Platform.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/about/AboutPane.h"
#include "ui/lists/QuickListView.h"
#include "ui/main/ClipboardPane.h"
#include "ui/main/DimmedSheets.h"
#include "ui/main/GroupPane.h"
#include "ui/main/MainWindowContent.h"
#include "ui/preferences/PreferencesPane.h"

#include "ui/onboarding/WelcomePane.h"
#include <QCoreApplication>

namespace tavrin {

void WindowRegistry::setMainWindowFactories()
{
    mainWindow.setFactory([this] {
        auto *window = new MainWindow;
        window->activateOnDesktop = desktopActivation();
        window->addActions(m_actions->windowShortcuts());
        // While "firstRun" holds no integer the welcome steps are the content, and closing the window finishes them.
        if (m_context.settings().integer(keys::firstRun))
            window->setContent(mainContent());
        else
            window->setContent(welcomePane());
        return window;
    });
    welcomePane.setFactory([this] { return new WelcomePane(m_context.viewServices()); });
    mainContent.setFactory([this] {
        auto *content = new MainWindowContent(m_context.viewServices());
        content->setPaneProvider([this](MainPane pane) -> QWidget * {
            switch (pane) {
            case MainPane::preferences: return preferencesPane();
            case MainPane::about: return aboutPane();
            case MainPane::clipboard:
            case MainPane::group:
            case MainPane::promotion: break;
            }
            return nullptr;
        });
        linkMainContent(content);
        return content;
    });
    // The main window's own panes live in its content.
    clipboardPane.setFactory([this] { return mainContent()->clipboardPane(); });
    groupPane.setFactory([this] { return mainContent()->groupPane(); });
    preferencesPane.setFactory([this]() -> PreferencesPane * {
        Q_ASSERT_X(m_recorder, "WindowRegistry", "the Preferences pane needs the shell's shortcut recorder");
        if (!m_recorder)
            return nullptr;
        auto *pane = new PreferencesPane(m_context.viewServices(), *m_recorder, mainContent()->sheets());
        pane->setShortcutStates(m_shortcutStates);
        return pane;
    });
    aboutPane.setFactory([this] {
        // The build names the pages; an address it leaves empty hides its button, and there is no store page here.
        const AboutLinks links{QStringLiteral(TAVRIN_WEB_URL), QStringLiteral(TAVRIN_FACEBOOK_URL),
                               QStringLiteral(TAVRIN_TWITTER_URL), QString()};
        return new AboutPane(QCoreApplication::applicationVersion(), links, *m_context.platform().workspace);
    });
}

void WindowRegistry::setShortcutStates(ShortcutStates *states)
{
    m_shortcutStates = states;
    if (PreferencesPane *pane = preferencesPane.ifExists())
        pane->setShortcutStates(states);
}

void WindowRegistry::showMainWindowOn(MainPane pane)
{
    MainWindow *window = mainWindow();
    mainContent()->showPane(pane);
    window->showWindow();
}

void WindowRegistry::linkQuickList(QuickListView *list)
{
    // What the list changes, the main window shows too, once it exists.
    QObject::connect(list, &QuickListView::historyListChanged, list, [this] {
        if (MainWindowContent *content = mainContent.ifExists())
            content->historyChangedElsewhere();
    });
    QObject::connect(list, &QuickListView::groupItemsChanged, list, [this](const QString &name) {
        if (MainWindowContent *content = mainContent.ifExists())
            content->groupChangedElsewhere(name);
    });
    QObject::connect(list, &QuickListView::mainWindowEditingEndRequested, list, [this] {
        if (MainWindowContent *content = mainContent.ifExists())
            content->endEditing();
    });
}

void WindowRegistry::linkMainContent(MainWindowContent *content)
{
    // A capture ends the Clipboard pane's search and shows the new entry.
    QObject::connect(&m_context.capture().monitor(), &ClipboardMonitor::mainWindowListReloadRequested, content,
                     &MainWindowContent::historyReset);

    QObject::connect(content, &MainWindowContent::historyListChanged, content, [this] {
        if (QuickListView *list = loadedQuickList())
            list->reloadData();
    });
    QObject::connect(content, &MainWindowContent::historyCleared, content, [this] {
        if (QuickListView *list = loadedQuickList()) {
            list->endSearch();
            list->reloadData();
        }
    });
    // A group that changed here is shown anew where the list shows it; removals and drops end the list's search.
    auto groupChanged = [this](const QString &name, bool endSearch) {
        QuickListView *list = loadedQuickList();
        if (!list)
            return;
        if (endSearch && list->isSearching())
            list->endSearch();
        if (list->shownGroupName() == name)
            list->showGroup(name);
    };
    QObject::connect(content, &MainWindowContent::groupItemsDropped, content,
                     [groupChanged](const QString &name) { groupChanged(name, true); });
    QObject::connect(content, &MainWindowContent::groupItemsRemoved, content,
                     [groupChanged](const QString &name) { groupChanged(name, true); });
    QObject::connect(content, &MainWindowContent::groupItemsAdded, content,
                     [groupChanged](const QString &name) { groupChanged(name, false); });
    QObject::connect(content, &MainWindowContent::groupRenamed, content,
                     [this](const QString &oldName, const QString &newName) {
                         QuickListView *list = loadedQuickList();
                         if (list && list->shownGroupName() == oldName)
                             list->showGroup(newName);
                     });
}

}  // namespace tavrin
