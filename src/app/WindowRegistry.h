#pragma once

#include "app/WindowActivation.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace tavrin {

class AppContext;
class ClipboardPane;
class GroupPane;
class MainWindowContent;
class QuickListView;
enum class MainPane;
class PasteAccessGuide;
class SequentialQueueView;
class SequentialQueueWindow;
class ShortcutRecorder;
class MainWindow;
class PasteAccessGuideWindow;
class QuickListWindow;
class WelcomePane;

// The identifiers the program's windows and views are created by (docs/NAMES.md maps each to its class).
namespace ids {
inline const QString quickListView = QStringLiteral("ViewController");
inline const QString quickListWindow = QStringLiteral("popoverWindowController");
inline const QString mainWindow = QStringLiteral("mainWindowController");
inline const QString mainContent = QStringLiteral("mainContainerVc");
inline const QString clipboardPane = QStringLiteral("clipboardVc");
inline const QString groupPane = QStringLiteral("pasteboardVc");
inline const QString preferencesPane = QStringLiteral("preferencesVc");
inline const QString aboutPane = QStringLiteral("aboutVc");
inline const QString welcomePane = QStringLiteral("StartupVc");
inline const QString sequentialWindow = QStringLiteral("sequentialWindowController");
inline const QString sequentialView = QStringLiteral("sequentialVc");
inline const QString pasteAccessGuideWindow = QStringLiteral("permissionWindowController");
inline const QString pasteAccessGuide = QStringLiteral("GrantAccessvc");
}  // namespace ids

// The program's windows and views, each created once by its identifier on first use and kept for the whole run.
//
// A factory returns a new object; the accessors keep it until they go, then delete, newest first, every object
// still alive that nothing else took as a child (a view placed in its window goes with that window).
class WindowRegistry {
public:
    using Factory = std::function<QObject *()>;

    /// Registers the factories of the windows and views this layer builds.
    explicit WindowRegistry(AppContext &context);
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;
    ~WindowRegistry();

    /// The recorder the Preferences pane shows and feeds; set by the shell before the pane is first shown.
    void setShortcutRecorder(ShortcutRecorder *recorder) { m_recorder = recorder; }

    /// Sets how the object of an identifier is made; only before its first use.
    void setFactory(const QString &identifier, const Factory &factory);
    /// The object of an identifier, created now when it is the first use; null for an unknown identifier.
    QObject *controller(const QString &identifier);
    /// True once the object of an identifier exists.
    bool isLoaded(const QString &identifier) const;

    /// The quick-access list, the content of the popover window.
    QWidget *quickListView();
    QuickListWindow *quickListWindow();
    MainWindow *mainWindow();
    /// The main window's content: the sidebar and its panes (made with the main window).
    MainWindowContent *mainContent();
    /// The first run's welcome steps, the main window's content until they are finished.
    WelcomePane *welcomePane();
    ClipboardPane *clipboardPane();
    GroupPane *groupPane();
    /// True once the main window's sidebar exists (mainContainerLoaded).
    bool isMainContentLoaded() const { return isLoaded(ids::mainContent); }
    /// Opens the main window on a pane (the Clipboard, Preferences or About), in front and with the focus.
    void showMainWindowOn(MainPane pane);
    SequentialQueueWindow *sequentialWindow();
    /// The queue list, the content of the sequential queue window.
    SequentialQueueView *sequentialView();
    PasteAccessGuideWindow *pasteAccessGuideWindow();
    PasteAccessGuide *pasteAccessGuide();

private:
    template <typename T> T *typed(const QString &identifier);
    void registerDefaults();
    void registerMainWindow();
    /// What the quick-access list and the main window tell each other; each connection is made here, once.
    void linkQuickList(QuickListView *list);
    void linkMainContent(MainWindowContent *content);
    /// The quick-access list, when it exists.
    QuickListView *loadedQuickList();
    DesktopActivation desktopActivation() const;

    AppContext &m_context;
    QMap<QString, Factory> m_factories;
    QMap<QString, QPointer<QObject>> m_objects;
    QList<QPointer<QObject>> m_creationOrder;
    QStringList m_creating;
    ShortcutRecorder *m_recorder = nullptr;
};

}  // namespace tavrin
