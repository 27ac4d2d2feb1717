#include "platform/wayland/WaylandWorkspace.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>

namespace tavrin {

namespace {
// The application ids our own windows may carry: Qt names them after the desktop file, else the executable.
QStringList ownAppIds()
{
    QStringList ids = {QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                       QCoreApplication::applicationName()};
    if (!QGuiApplication::desktopFileName().isEmpty())
        ids << QGuiApplication::desktopFileName();
    return ids;
}
}  // namespace

WaylandWorkspace::WaylandWorkspace(const char *display) : m_windows(ownAppIds(), display) {}

bool WaylandWorkspace::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool WaylandWorkspace::isApplicationRunning(const QString &identifier) const
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(identifier).value();
}

}  // namespace tavrin
