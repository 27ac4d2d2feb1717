// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandWorkspace.h"

#include "platform/kde/KWinActiveWindow.h"

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

WaylandWorkspace::WaylandWorkspace(const char *display) : m_windows(ownAppIds(), display)
{
    if (!m_windows.isValid()) {
        m_kwin = std::make_unique<KWinActiveWindow>();
        if (!m_kwin->isAvailable())
            m_kwin.reset();
    }
}

WaylandWorkspace::~WaylandWorkspace() = default;

Workspace::WindowId WaylandWorkspace::activeWindow() const
{
    if (m_kwin)
        return m_kwin->activeWindow();
    return m_windows.activeWindow();
}

QString WaylandWorkspace::windowClass(WindowId window) const
{
    // KWin reports only the window in front: its class is known while it is in front.
    if (m_kwin)
        return window != 0 && window == m_kwin->activeWindow() ? m_kwin->activeWindowClass() : QString();
    return m_windows.appId(window);
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
