// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeWorkspace.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>

namespace tavrin {

namespace {
constexpr std::chrono::milliseconds kAskTimeout{1000};
// Windows remembered with their class; focus moves among few, but a long session opens many.
constexpr qsizetype kRememberedWindows = 256;
}  // namespace

GnomeWorkspace::GnomeWorkspace(GnomeShellLink &link, QObject *parent) : QObject(parent), m_link(link)
{
    connect(&m_link, &GnomeShellLink::focusChanged, this, [this](const ShellWindow &window) { remember(window); });
}

void GnomeWorkspace::remember(const ShellWindow &window) const
{
    if (window.window == 0)
        return;
    if (m_classes.size() >= kRememberedWindows)
        m_classes.clear();
    m_classes.insert(window.window, window.wmClass);
    if (window.pid != quint32(QCoreApplication::applicationPid()))
        m_lastForeign = window.window;
}

bool GnomeWorkspace::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool GnomeWorkspace::isApplicationRunning(const QString &identifier) const
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(identifier).value();
}

Workspace::WindowId GnomeWorkspace::activeWindow() const
{
    const std::optional<ShellWindow> focused = m_link.focusedWindow(kAskTimeout);
    if (!focused)
        return 0;
    remember(*focused);
    return focused->window;
}

QString GnomeWorkspace::windowClass(WindowId window) const
{
    return m_classes.value(window);
}

bool GnomeWorkspace::activateWindow(WindowId window)
{
    if (window == 0)
        return false;
    const QDBusMessage reply =
        m_link.call(QStringLiteral("ActivateWindow"), {QVariant::fromValue(qulonglong(window))}, kAskTimeout);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().toBool();
}

}  // namespace tavrin
