#include "platform/wayland/WaylandWorkspace.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QFileInfo>

namespace tavrin {

QIcon WaylandWorkspace::iconForFile(const QString &path) const
{
    return m_iconProvider.icon(QFileInfo(path));
}

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
