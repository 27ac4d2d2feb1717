#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "app/PlainQueueWindow.h"
#include "app/ProgramHider.h"
#include "app/UnixSignalQuit.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "capture/PasteEngine.h"
#include "capture/SequentialMode.h"
#include "platform/Platform.h"
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

    // Capture: the sound flag, the clipboard's text at launch (a read bounded by the backend's timeout), the count
    // the monitor starts from; then the history is saved once and the monitor's timer starts.
    tavrin::CaptureServices &capture = context.capture();
    capture.sound().load();
    capture.insertCurrentClipboardText();
    capture.recordChangeCount();
    tavrin::ProgramHider hider(*context.platform().workspace);
    capture.pasteEngine().hooks.hideProgram = [&hider] { hider.hideProgram(); };
    tavrin::PlainQueueWindow queueWindow(capture.sequentialMode(), capture.queue());
    capture.sequentialMode().setWindow(&queueWindow);
    context.history().saveHistory();
    capture.monitor().start();

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
