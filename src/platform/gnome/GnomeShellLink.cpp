// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeShellLink.h"

#include "platform/gnome/GnomeLog.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace tavrin {

namespace gnomeShell {

QString extensionUuid()
{
    return QStringLiteral(TAVRIN_GNOME_EXTENSION_UUID);
}

QString enableCommand()
{
    return QStringLiteral("gnome-extensions enable %1").arg(extensionUuid());
}

}  // namespace gnomeShell

namespace {

constexpr std::chrono::milliseconds kPropertyTimeout{2000};

QString service()
{
    return QString::fromLatin1(gnomeShell::kService);
}

}  // namespace

GnomeShellLink::GnomeShellLink(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    const QString path = QString::fromLatin1(gnomeShell::kPath);
    const QString interface = QString::fromLatin1(gnomeShell::kInterface);
    m_watcher = new QDBusServiceWatcher(service(), m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &GnomeShellLink::check);
    m_bus.connect(service(), path, interface, QStringLiteral("ClipboardChanged"), this,
                  SLOT(onClipboardChanged(QDBusMessage)));
    m_bus.connect(service(), path, interface, QStringLiteral("AcceleratorActivated"), this,
                  SLOT(onAcceleratorActivated(QDBusMessage)));
    m_bus.connect(service(), path, interface, QStringLiteral("FocusChanged"), this, SLOT(onFocusChanged(QDBusMessage)));
    check();
}

GnomeShellLink::~GnomeShellLink() = default;

QString GnomeShellLink::problem() const
{
    std::lock_guard lock(m_mutex);
    return m_problem;
}

QString GnomeShellLink::shellVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_shellVersion;
}

void GnomeShellLink::check()
{
    QString problem;
    QString shellVersion;
    bool needsEnabling = false;
    const QDBusConnectionInterface *bus = m_bus.isConnected() ? m_bus.interface() : nullptr;
    if (!bus) {
        problem = QStringLiteral("there is no session bus to reach GNOME Shell on");
    } else if (!bus->isServiceRegistered(service()).value()) {
        needsEnabling = true;
        problem = QStringLiteral("the Tavrin extension of GNOME Shell is not running: turn it on with \"%1\", then "
                                 "log out and in again (GNOME Shell loads extensions when the session starts)")
                      .arg(gnomeShell::enableCommand());
    } else {
        QDBusMessage get =
            QDBusMessage::createMethodCall(service(), QString::fromLatin1(gnomeShell::kPath),
                                           QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
        get.setArguments({QString::fromLatin1(gnomeShell::kInterface)});
        const QDBusMessage reply = m_bus.call(get, QDBus::Block, int(kPropertyTimeout.count()));
        const QVariantMap properties = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                                           ? qdbus_cast<QVariantMap>(reply.arguments().constFirst())
                                           : QVariantMap();
        const unsigned version = properties.value(QStringLiteral("Version")).toUInt();
        shellVersion = properties.value(QStringLiteral("ShellVersion")).toString();
        if (reply.type() != QDBusMessage::ReplyMessage)
            problem =
                QStringLiteral("the Tavrin extension of GNOME Shell does not answer (%1)").arg(reply.errorMessage());
        else if (version < gnomeShell::kVersion)
            problem = QStringLiteral("the Tavrin extension of GNOME Shell is older (interface version %1) than this "
                                     "Tavrin needs (%2): install both from the same release, then log in again")
                          .arg(version)
                          .arg(gnomeShell::kVersion);
    }
    {
        std::lock_guard lock(m_mutex);
        m_problem = problem;
        m_shellVersion = shellVersion;
    }
    m_needsEnabling = needsEnabling;
    const bool available = problem.isEmpty();
    if (m_available.exchange(available) == available)
        return;
    if (available)
        qCInfo(lcGnome).noquote() << "the Tavrin extension of GNOME Shell" << shellVersion << "is on the bus";
    else
        qCWarning(lcGnome).noquote() << problem;
    Q_EMIT availabilityChanged(available);
}

QDBusMessage GnomeShellLink::call(const QString &method, const QVariantList &arguments,
                                  std::chrono::milliseconds timeout) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(service(), QString::fromLatin1(gnomeShell::kPath),
                                                          QString::fromLatin1(gnomeShell::kInterface), method);
    if (!isAvailable())
        return message.createErrorReply(QDBusError::ServiceUnknown, problem());
    message.setArguments(arguments);
    return m_bus.call(message, QDBus::Block, int(timeout.count()));
}

namespace {

ShellClipboardState clipboardStateOf(const QVariantList &values)
{
    ShellClipboardState state;
    if (values.size() < 5)
        return state;
    state.serial = values.at(0).toULongLong();
    state.mimeTypes = values.at(1).toStringList();
    state.writer = values.at(2).toString();
    state.writeId = values.at(3).toULongLong();
    state.restored = values.at(4).toBool();
    return state;
}

ShellWindow windowOf(const QVariantList &values)
{
    ShellWindow window;
    if (values.size() < 4)
        return window;
    window.window = values.at(0).toULongLong();
    window.wmClass = values.at(1).toString();
    window.appId = values.at(2).toString();
    window.pid = values.at(3).toUInt();
    return window;
}

}  // namespace

std::optional<ShellClipboardState> GnomeShellLink::clipboardState(std::chrono::milliseconds timeout) const
{
    const QDBusMessage reply = call(QStringLiteral("GetClipboard"), {}, timeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 5)
        return std::nullopt;
    return clipboardStateOf(reply.arguments());
}

std::optional<ShellWindow> GnomeShellLink::focusedWindow(std::chrono::milliseconds timeout) const
{
    const QDBusMessage reply = call(QStringLiteral("GetFocusedWindow"), {}, timeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 4)
        return std::nullopt;
    return windowOf(reply.arguments());
}

void GnomeShellLink::onClipboardChanged(const QDBusMessage &message)
{
    Q_EMIT clipboardChanged(clipboardStateOf(message.arguments()));
}

void GnomeShellLink::onAcceleratorActivated(const QDBusMessage &message)
{
    if (!message.arguments().isEmpty())
        Q_EMIT acceleratorActivated(message.arguments().constFirst().toUInt());
}

void GnomeShellLink::onFocusChanged(const QDBusMessage &message)
{
    Q_EMIT focusChanged(windowOf(message.arguments()));
}

}  // namespace tavrin
