#include "app/AppContext.h"
#include "app/AppShell.h"
#include "app/ControlService.h"
#include "app/DataFolderLock.h"
#include "app/SaveAtExit.h"
#include "app/SingleInstance.h"
#include "app/UnixSignalQuit.h"
#include "cli/CommandLine.h"
#include "cli/ControlBus.h"
#include "platform/DefaultPlatform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // A command asks the running program and ends; it never loads the GUI.
    if (tavrin::CommandLine::isCommand(tavrin::CommandLine::arguments(argc, argv)))
        return tavrin::runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
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

    std::unique_ptr<tavrin::Platform> platform = tavrin::createDefaultPlatform();
    // One program per data folder as well: another display's program would write the same history.
    tavrin::DataFolderLock dataLock(platform->locations->dataDirectory());
    tavrin::MessageBoxAlertPresenter alerts;
    if (!dataLock.lockOrExplain(alerts))
        return 1;

    tavrin::UnixSignalQuit signalQuit;
    const QString settingsPath = tavrin::SettingsStore::pathIn(platform->locations->configDirectory());
    tavrin::AppContext context(std::move(platform), std::make_unique<tavrin::SettingsStore>(settingsPath));
    tavrin::AppShell delegate(context);
    QObject::connect(&instance, &tavrin::SingleInstance::showRequested, &delegate, &tavrin::AppShell::showQuickList);
    tavrin::ControlService control(context, delegate);
    if (instance.isRegistered())
        control.registerOn(QDBusConnection::sessionBus());
    // A clean quit (SIGTERM, the Quit command, the end of the session) writes what has not been saved.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &tavrin::AppShell::prepareToQuit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate, [&context] { context.saveBeforeQuit(); });
    // Qt ends the program with exit() when the X server goes away, past aboutToQuit.
    tavrin::SaveAtExit saveAtExit(context);

    delegate.launch();
    const int status = app.exec();
    // What could not be saved at the end was named on standard error; the status tells scripts and session managers.
    return status != 0 || delegate.savedAtQuit() ? status : 1;
}
