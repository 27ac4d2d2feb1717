// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowRegistry.h"

#include "ui/about/AboutPane.h"
#include "ui/lists/QuickListView.h"
#include "ui/main/ClipboardPane.h"
#include "ui/main/GroupPane.h"
#include "ui/main/MainWindowContent.h"
#include "ui/onboarding/WelcomePane.h"
#include "ui/preferences/PreferencesPane.h"
#include "ui/queue/SequentialQueueView.h"
#include "ui/queue/SequentialQueueWindow.h"

#include "app/AppActions.h"
#include "app/AppContext.h"
#include "app/GuideHelpPage.h"
#include "app/MainWindow.h"
#include "app/PasteAccessGuide.h"
#include "app/PasteAccessGuideWindow.h"
#include "app/QuickListWindow.h"
#include "capture/CaptureServices.h"
#include "platform/Platform.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>

namespace tavrin {

WindowRegistry::WindowRegistry(AppContext &context)
    : m_context(context), m_actions(std::make_unique<AppActions>(context, *this))
{
    setFactories();
    linkActions();
}

WindowRegistry::~WindowRegistry()
{
    m_creationOrder.deleteNewestFirst();
}

void WindowRegistry::linkActions()
{
    QObject::connect(m_actions.get(), &AppActions::quitRequested, m_actions.get(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

void WindowRegistry::setFactories()
{
    quickListView.setFactory([this] {
        auto *list = new QuickListView(m_context.viewServices());
        list->addActions(m_actions->windowShortcuts());
        QObject::connect(list, &QuickListView::closeRequested, list, [list] { list->window()->hide(); });
        return list;
    });
    quickListWindow.setFactory([this] {
        auto *window = new QuickListWindow;
        window->setContent(quickListView());
        window->activateOnDesktop = desktopActivation();
        window->setScheduler(m_context.platform().scheduler.get());
        return window;
    });
    setMainWindowFactories();
    sequentialWindow.setFactory([this] {
        auto *window = new SequentialQueueWindow(sequentialView());
        m_actions->followQueueWindow(window->window());
        return window;
    });
    sequentialView.setFactory([this] {
        auto *view = new SequentialQueueView(m_context.viewServices());
        // Told that the paste shortcut is missing, the user is shown where to record it.
        QObject::connect(view, &SequentialQueueView::preferencesRequested, view,
                         [this] { showMainWindowOn(MainPane::preferences); });
        return view;
    });
    pasteAccessGuideWindow.setFactory([this] {
        auto *window = new PasteAccessGuideWindow(pasteAccessGuide());
        window->activateOnDesktop = desktopActivation();
        return window;
    });
    pasteAccessGuide.setFactory([this] {
        Platform &platform = m_context.platform();
        return new PasteAccessGuide(*platform.scheduler, *platform.workspace,
                                    GuideHelpPage::folderIn(platform.locations->dataDirectory()));
    });
}

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

DesktopActivation WindowRegistry::desktopActivation() const
{
    Workspace &workspace = *m_context.platform().workspace;
    return [&workspace](WId id) { workspace.activateWindow(id); };
}

}  // namespace tavrin
