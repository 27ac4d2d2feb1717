#include "app/ControllerAccessors.h"

#include "ui/lists/ViewController.h"

#include "app/AppContext.h"
#include "app/GrantAccessvc.h"
#include "app/GuideHelpPage.h"
#include "app/PlainQueueWindow.h"
#include "app/mainWindowController.h"
#include "app/permissionWindowController.h"
#include "app/popoverWindowController.h"
#include "capture/CaptureServices.h"
#include "platform/Platform.h"

#include <QListWidget>

namespace tavrin {

ControllerAccessors::ControllerAccessors(AppContext &context) : m_context(context)
{
    registerDefaults();
}

ControllerAccessors::~ControllerAccessors()
{
    // Newest first: a window goes before the view it holds, and takes that view with it.
    for (auto it = m_creationOrder.crbegin(); it != m_creationOrder.crend(); ++it) {
        QObject *object = it->data();
        if (object && !object->parent())
            delete object;
    }
}

void ControllerAccessors::registerDefaults()
{
    setFactory(ids::ViewController, [this] {
        auto *list = new ViewController(m_context, m_context.alerts());
        // The main window's panes come later; until then each of these opens the main window.
        auto showMainWindow = [this] { mainWindow()->showWindow(); };
        list->hooks.showClipboard = showMainWindow;
        list->hooks.showPreferences = showMainWindow;
        list->hooks.showPromotion = showMainWindow;
        return list;
    });
    setFactory(ids::popoverWindowController, [this] {
        auto *window = new popoverWindowController;
        window->setContentViewController(viewController());
        window->activateOnDesktop = desktopActivation();
        return window;
    });
    setFactory(ids::mainWindowController, [this] {
        auto *window = new mainWindowController;
        window->activateOnDesktop = desktopActivation();
        return window;
    });
    setFactory(ids::sequentialWindowController, [this] {
        CaptureServices &capture = m_context.capture();
        return new PlainQueueWindow(capture.sequentialMode(), capture.queue());
    });
    setFactory(ids::permissionWindowController, [this] {
        auto *window = new permissionWindowController(permissionGuide());
        window->activateOnDesktop = desktopActivation();
        return window;
    });
    setFactory(ids::GrantAccessvc, [this] {
        Platform &platform = m_context.platform();
        return new GrantAccessvc(*platform.scheduler, *platform.workspace,
                                 GuideHelpPage::folderIn(platform.locations->dataDirectory()));
    });
}

DesktopActivation ControllerAccessors::desktopActivation() const
{
    Workspace &workspace = *m_context.platform().workspace;
    return [&workspace](WId id) { workspace.activateWindow(id); };
}

void ControllerAccessors::setFactory(const QString &identifier, Factory factory)
{
    Q_ASSERT_X(!isLoaded(identifier), "ControllerAccessors::setFactory", "the object exists already");
    m_factories.insert(identifier, std::move(factory));
}

QObject *ControllerAccessors::controller(const QString &identifier)
{
    if (const QPointer<QObject> existing = m_objects.value(identifier))
        return existing;
    const Factory factory = m_factories.value(identifier);
    if (!factory) {
        qWarning("Tavrin: no view or window is known as \"%s\"", qPrintable(identifier));
        return nullptr;
    }
    Q_ASSERT_X(!m_creating.contains(identifier), "ControllerAccessors::controller", "a factory needs itself");
    m_creating.append(identifier);
    QObject *object = factory();
    m_creating.removeLast();
    m_objects.insert(identifier, object);
    m_creationOrder.append(object);
    return object;
}

bool ControllerAccessors::isLoaded(const QString &identifier) const
{
    return !m_objects.value(identifier).isNull();
}

template <typename T> T *ControllerAccessors::typed(const QString &identifier)
{
    QObject *object = controller(identifier);
    T *result = qobject_cast<T *>(object);
    Q_ASSERT_X(result || !object, "ControllerAccessors", "the factory made an object of another class");
    return result;
}

QWidget *ControllerAccessors::viewController()
{
    return typed<QWidget>(ids::ViewController);
}

popoverWindowController *ControllerAccessors::popoverWindow()
{
    return typed<popoverWindowController>(ids::popoverWindowController);
}

mainWindowController *ControllerAccessors::mainWindow()
{
    return typed<mainWindowController>(ids::mainWindowController);
}

PlainQueueWindow *ControllerAccessors::sequentialWindow()
{
    return typed<PlainQueueWindow>(ids::sequentialWindowController);
}

QListWidget *ControllerAccessors::sequentialList()
{
    PlainQueueWindow *window = sequentialWindow();
    return window ? window->list() : nullptr;
}

permissionWindowController *ControllerAccessors::permissionWindow()
{
    return typed<permissionWindowController>(ids::permissionWindowController);
}

GrantAccessvc *ControllerAccessors::permissionGuide()
{
    return typed<GrantAccessvc>(ids::GrantAccessvc);
}

}  // namespace tavrin
