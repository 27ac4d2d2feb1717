#include "app/WindowRegistry.h"

#include "ui/lists/QuickListView.h"
#include "ui/main/ClipboardPane.h"
#include "ui/main/GroupPane.h"
#include "ui/main/MainWindowContent.h"
#include "ui/queue/SequentialQueueView.h"
#include "ui/queue/SequentialQueueWindow.h"

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

WindowRegistry::WindowRegistry(AppContext &context) : m_context(context)
{
    registerDefaults();
}

WindowRegistry::~WindowRegistry()
{
    // Newest first: a window goes before the view it holds, and takes that view with it.
    for (qsizetype i = m_creationOrder.size() - 1; i >= 0; --i) {
        QObject *object = m_creationOrder.at(i).data();
        if (object && !object->parent())
            delete object;
    }
}

void WindowRegistry::registerDefaults()
{
    setFactory(ids::quickListView, [this] {
        auto *list = new QuickListView(m_context.viewServices());
        QObject::connect(list, &QuickListView::quitRequested, list, &QCoreApplication::quit, Qt::QueuedConnection);
        QObject::connect(list, &QuickListView::closeRequested, list, [list] { list->window()->hide(); });
        linkQuickList(list);
        return list;
    });
    setFactory(ids::quickListWindow, [this] {
        auto *window = new QuickListWindow;
        window->setContent(quickListView());
        window->activateOnDesktop = desktopActivation();
        return window;
    });
    registerMainWindow();
    setFactory(ids::sequentialWindow, [this] { return new SequentialQueueWindow(sequentialView()); });
    setFactory(ids::sequentialView, [this] {
        auto *view = new SequentialQueueView(m_context.viewServices());
        // Told that the paste shortcut is missing, the user is shown where to record it.
        QObject::connect(view, &SequentialQueueView::preferencesRequested, view,
                         [this] { showMainWindowOn(MainPane::preferences); });
        return view;
    });
    setFactory(ids::pasteAccessGuideWindow, [this] {
        auto *window = new PasteAccessGuideWindow(pasteAccessGuide());
        window->activateOnDesktop = desktopActivation();
        return window;
    });
    setFactory(ids::pasteAccessGuide, [this] {
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

void WindowRegistry::setFactory(const QString &identifier, const Factory &factory)
{
    Q_ASSERT_X(!isLoaded(identifier), "WindowRegistry::setFactory", "the object exists already");
    m_factories.insert(identifier, factory);
}

QObject *WindowRegistry::controller(const QString &identifier)
{
    if (const QPointer<QObject> existing = m_objects.value(identifier))
        return existing;
    const Factory factory = m_factories.value(identifier);
    if (!factory) {
        qWarning("Tavrin: no view or window is known as \"%s\"", qPrintable(identifier));
        return nullptr;
    }
    Q_ASSERT_X(!m_creating.contains(identifier), "WindowRegistry::controller", "a factory needs itself");
    m_creating.append(identifier);
    QObject *object = factory();
    m_creating.removeLast();
    m_objects.insert(identifier, object);
    m_creationOrder.append(object);
    return object;
}

bool WindowRegistry::isLoaded(const QString &identifier) const
{
    return !m_objects.value(identifier).isNull();
}

template <typename T> T *WindowRegistry::typed(const QString &identifier)
{
    QObject *object = controller(identifier);
    T *result = qobject_cast<T *>(object);
    Q_ASSERT_X(result || !object, "WindowRegistry", "the factory made an object of another class");
    return result;
}

QWidget *WindowRegistry::quickListView()
{
    return typed<QWidget>(ids::quickListView);
}

QuickListWindow *WindowRegistry::quickListWindow()
{
    return typed<QuickListWindow>(ids::quickListWindow);
}

MainWindow *WindowRegistry::mainWindow()
{
    return typed<MainWindow>(ids::mainWindow);
}

MainWindowContent *WindowRegistry::mainContent()
{
    return typed<MainWindowContent>(ids::mainContent);
}

ClipboardPane *WindowRegistry::clipboardPane()
{
    return typed<ClipboardPane>(ids::clipboardPane);
}

GroupPane *WindowRegistry::groupPane()
{
    return typed<GroupPane>(ids::groupPane);
}

QuickListView *WindowRegistry::loadedQuickList()
{
    return isLoaded(ids::quickListView) ? qobject_cast<QuickListView *>(quickListView()) : nullptr;
}

SequentialQueueWindow *WindowRegistry::sequentialWindow()
{
    return typed<SequentialQueueWindow>(ids::sequentialWindow);
}

SequentialQueueView *WindowRegistry::sequentialView()
{
    return typed<SequentialQueueView>(ids::sequentialView);
}

PasteAccessGuideWindow *WindowRegistry::pasteAccessGuideWindow()
{
    return typed<PasteAccessGuideWindow>(ids::pasteAccessGuideWindow);
}

PasteAccessGuide *WindowRegistry::pasteAccessGuide()
{
    return typed<PasteAccessGuide>(ids::pasteAccessGuide);
}

}  // namespace tavrin
