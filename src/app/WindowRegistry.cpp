// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowRegistry.h"

#include "ui/lists/QuickListView.h"
#include "ui/main/ClipboardPane.h"
#include "ui/main/GroupPane.h"
#include "ui/main/MainWindowContent.h"
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
    QObject::connect(m_actions.get(), &AppActions::historyCleared, m_actions.get(), [this] {
        if (QuickListView *list = loadedQuickList()) {
            list->endSearch();
            list->reloadData();
        }
        if (MainWindowContent *content = mainContent.ifExists())
            content->historyReset();
    });
}

void WindowRegistry::setFactories()
{
    quickListView.setFactory([this] {
        auto *list = new QuickListView(m_context.viewServices());
        list->setApplicationActions(m_actions->forViews());
        list->addActions(m_actions->windowShortcuts());
        QObject::connect(list, &QuickListView::closeRequested, list, [list] { list->window()->hide(); });
        linkQuickList(list);
        return list;
    });
    quickListWindow.setFactory([this] {
        auto *window = new QuickListWindow;
        window->setContent(quickListView());
        window->activateOnDesktop = desktopActivation();
        return window;
    });
    setMainWindowFactories();
    sequentialWindow.setFactory([this] { return new SequentialQueueWindow(sequentialView()); });
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

DesktopActivation WindowRegistry::desktopActivation() const
{
    Workspace &workspace = *m_context.platform().workspace;
    return [&workspace](WId id) { workspace.activateWindow(id); };
}

QuickListView *WindowRegistry::loadedQuickList() const
{
    return qobject_cast<QuickListView *>(quickListView.ifExists());
}

}  // namespace tavrin
