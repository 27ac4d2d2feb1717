// SPDX-License-Identifier: GPL-3.0-or-later
// tavrin-launcher: started by the session at login through Tavrin's autostart entry; starts Tavrin and quits.
#include "launcher/LoginLauncher.h"
#include "platform/freedesktop/DBusNotificationCenter.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavrin-launcher"));
    const QDBusConnection bus = QDBusConnection::sessionBus();
    tavrin::DBusNotificationCenter notifications(bus);
    tavrin::LoginLauncher launcher(bus, notifications);
    QObject::connect(&launcher, &tavrin::LoginLauncher::finished, &app, &QCoreApplication::exit);
    if (!launcher.start(tavrin::LoginLauncher::findProgram(QCoreApplication::applicationDirPath())))
        return 1;
    return QCoreApplication::exec();
}
