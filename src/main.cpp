// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppContext.h"
#include "app/AppLog.h"
#include "app/AppShell.h"
#include "app/ControlService.h"
#include "app/DataFolderLock.h"
#include "app/SaveAtExit.h"
#include "app/SessionBusLimits.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "app/UnixSignalQuit.h"
#include "cli/CommandLine.h"
#include "cli/ControlBus.h"
#include "platform/ApplicationId.h"
#include "platform/DefaultPlatform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"
#include "ui/widgets/ReadablePalette.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

namespace {

// Every line of the log names its category, so a report says which part of the program wrote it.
void useCategorisedMessages()
{
    if (qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN"))
        qSetMessagePattern(QStringLiteral("%{category}: %{if-warning}warning: %{endif}%{if-critical}error: %{endif}"
                                          "%{if-fatal}fatal: %{endif}%{message}"));
}

}  // namespace

int main(int argc, char *argv[])
{
    // A command asks the running program and ends; it never loads the GUI.
    const QStringList arguments = tavrin::CommandLine::arguments(argc, argv);
    if (tavrin::CommandLine::isCommand(arguments)) {
        QCoreApplication app(argc, argv);
        // Messages for a person in the user's language; what scripts read stays as it is.
        const tavrin::Translations translations(QLocale::system());
        return tavrin::runCommandLine();
    }
    // The backend is checked before anything starts, so that a mistyped name is not a silent choice.
    const tavrin::Invocation start = tavrin::CommandLine::parse(arguments);
    if (start.action == tavrin::Invocation::Action::UsageError) {
        std::fputs(qPrintable(start.text), stderr);
        return tavrin::exitcodes::kUsage;
    }
    useCategorisedMessages();
    const bool backendOnCommandLine = !start.text.isEmpty();
    const QString backendName = backendOnCommandLine ? start.text : qEnvironmentVariable("TAVRIN_BACKEND");
    const std::optional<tavrin::BackendRequest> backend = tavrin::parseBackendRequest(backendName);
    if (!backend) {
        qCCritical(tavrin::lcApp, "%s names no backend (\"%s\"): use x11, wayland, gnome or auto",
                   backendOnCommandLine ? "--backend" : "TAVRIN_BACKEND", qPrintable(backendName));
        return tavrin::exitcodes::kUsage;
    }

    // A file size limit (ulimit -f) then fails a write with "File too large", which is told and retried, instead of
    // ending the program with everything not yet saved.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
    // Desktops match windows to the desktop entry, and so to its name and icon, by this (the Wayland app id).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tavrin::kApplicationId));
    QApplication::setQuitOnLastWindowClosed(false);
    new tavrin::ReadablePalette(&app);
    const tavrin::Translations translations(QLocale::system());

    // One program per user and display: a second start shows the first one's list and ends, before it touches the
    // clipboard, the shortcuts or the files.
    // Before any call can arrive: a large one would otherwise leave the program deaf to every later one.
    tavrin::widenReceiveLimit(QDBusConnection::sessionBus());
    tavrin::SingleInstance instance(QDBusConnection::sessionBus(), tavrin::bus::currentDisplay());
    QString busError;
    switch (instance.claimOrHandOver(&busError)) {
    case tavrin::SingleInstance::Outcome::First: break;
    case tavrin::SingleInstance::Outcome::HandedOver: return 0;
    case tavrin::SingleInstance::Outcome::NoBus:
        qCWarning(tavrin::lcApp, "no D-Bus session bus (%s); a second start will not find this one",
                  qPrintable(busError));
        break;
    case tavrin::SingleInstance::Outcome::NotAnswering:
        qCCritical(tavrin::lcApp, "Tavrin is already running on this display but does not answer: %s",
                   qPrintable(busError));
        return 1;
    }

    std::unique_ptr<tavrin::Platform> platform = tavrin::createDefaultPlatform(*backend);
    // What this desktop lets the program do, and why not, is the first thing to look for in a report.
    for (const QString &line : platform->capabilities.logLines())
        qCInfo(tavrin::lcApp).noquote() << line;
    // One program per data folder as well: another display's program would write the same history.
    tavrin::DataFolderLock dataLock(platform->locations->dataDirectory());
    tavrin::MessageBoxAlertPresenter alerts;
    // The refused start leaves the bus before its alert waits: its name would stand for a program that is not there.
    if (!dataLock.lockOrExplain(alerts, [&instance] { instance.leaveBus(); }))
        return 1;

    tavrin::UnixSignalQuit signalQuit;
    const QString settingsPath = tavrin::SettingsStore::pathIn(platform->locations->configDirectory());
    tavrin::AppContext context(std::move(platform), std::make_unique<tavrin::SettingsStore>(settingsPath));
    context.makeFilesPrivate();
    tavrin::AppShell shell(context);
    QObject::connect(&instance, &tavrin::SingleInstance::showRequested, &shell, &tavrin::AppShell::showQuickList);
    tavrin::ControlService control(context, shell);
    if (instance.isRegistered())
        control.registerOn(QDBusConnection::sessionBus());
    // A clean quit (SIGTERM, the Quit command, the end of the session) writes what has not been saved.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &shell, &tavrin::AppShell::prepareToQuit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &shell, [&context] { context.saveBeforeQuit(); });
    // Qt ends the program with exit() when the X server goes away, past aboutToQuit.
    tavrin::SaveAtExit saveAtExit(context);

    shell.launch();
    const int status = app.exec();
    // Saved by now: what the exit frees anyway is not freed entry by entry first.
    context.history().keepEntriesUntilExit();
    // What could not be saved at the end was named on standard error; the status tells scripts and session managers.
    return status != 0 || shell.savedAtQuit() ? status : 1;
}
