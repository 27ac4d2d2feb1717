#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "app/UnixSignalQuit.h"
#include "platform/x11/X11Platform.h"
#include "store/HistoryStore.h"
#include "store/PasteboardGroupStore.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QSystemTrayIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setQuitOnLastWindowClosed(false);

    tavrin::UnixSignalQuit signalQuit;
    tavrin::AppContext context(tavrin::createX11Platform(),
                               std::make_unique<tavrin::SettingsStore>(tavrin::SettingsStore::defaultPath()));

    context.history().loadPinCount();
    tavrin::AppDelegate delegate(context);
    // Stands in for the quick-access list window until that is built.
    QLabel quickAccessPlaceholder(QStringLiteral("Tavrin"));
    quickAccessPlaceholder.setWindowTitle(QStringLiteral("Tavrin"));
    delegate.hooks.showShortcutWindow = [&quickAccessPlaceholder] {
        quickAccessPlaceholder.show();
        quickAccessPlaceholder.raise();
        quickAccessPlaceholder.activateWindow();
    };
    delegate.registerStoredShortcuts();
    context.groups().loadGroupNames();
    context.history().loadItems();

    QSystemTrayIcon tray(QIcon(QStringLiteral(":/images/21.svg")));
    tray.setToolTip(QStringLiteral("Tavrin"));
    tray.show();

    auto flush = [&context] { context.history().flushPendingSave(); };
    QObject::connect(&app, &QGuiApplication::commitDataRequest, flush);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] {
        flush();
        std::puts("terminate");
        std::fflush(stdout);
    });
    return app.exec();
}
