#include "app/AppContext.h"
#include "app/AppShell.h"
#include "app/ControlService.h"
#include "app/SaveAtExit.h"
#include "app/SingleInstance.h"
#include "app/UnixSignalQuit.h"
#include "cli/CommandLine.h"
#include "cli/ControlBus.h"
#include "platform/DefaultPlatform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // A command asks the running program and ends; it never loads the GUI.
    if (tavrin::CommandLine::isCommand(tavrin::CommandLine::arguments(argc, argv)))
        return tavrin::runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setQuitOnLastWindowClosed(false);

    // One program per user and display: a second start shows the first one's list and ends, before it touches the
    // clipboard, the shortcuts or the files.
    tavrin::SingleInstance instance(QDBusConnection::sessionBus(), tavrin::bus::currentDisplay());
    QString busError;
    switch (instance.claimOrHandOver(&busError)) {
    case tavrin::SingleInstance::Outcome::First: break;
    case tavrin::SingleInstance::Outcome::HandedOver: return 0;
    case tavrin::SingleInstance::Outcome::NoBus:
        std::fprintf(stderr, "Tavrin: no D-Bus session bus (%s); a second start will not find this one\n",
                     qPrintable(busError));
        break;
    case tavrin::SingleInstance::Outcome::NotAnswering:
        std::fprintf(stderr, "Tavrin is already running on this display but does not answer: %s\n",
                     qPrintable(busError));
        return 1;
    }

    tavrin::UnixSignalQuit signalQuit;
    tavrin::AppContext context(tavrin::createDefaultPlatform(),
                               std::make_unique<tavrin::SettingsStore>(tavrin::SettingsStore::defaultPath()));
    tavrin::AppShell delegate(context);
    QObject::connect(&instance, &tavrin::SingleInstance::showRequested, &delegate, &tavrin::AppShell::showQuickList);
    tavrin::ControlService control(context, delegate);
    if (instance.isRegistered())
        control.registerOn(QDBusConnection::sessionBus());
    // A clean quit (SIGTERM, the Quit command, the end of the session) writes a history save still waiting.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &tavrin::AppShell::prepareToQuit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate,
                     [&context] { context.history().flushPendingSave(); });
    // Qt ends the program with exit() when the X server goes away, past aboutToQuit.
    tavrin::SaveAtExit saveAtExit(context.history());

    delegate.launch();
    return app.exec();
}
