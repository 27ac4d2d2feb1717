// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal/PortalShortcuts.h"

#include "platform/portal/PortalKeys.h"
#include "platform/portal/PortalLog.h"
#include "platform/portal/PortalRequest.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTimer>

namespace tavrin {

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");
constexpr int kProbeTimeoutMs = 5000;

// One shortcut as the portal passes it: an id and its properties (a(sa{sv}) on the bus).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

QSet<QString> boundIds(const QVariant &shortcuts)
{
    QSet<QString> ids;
    if (!shortcuts.canConvert<QDBusArgument>())
        return ids;
    QList<PortalShortcut> list;
    shortcuts.value<QDBusArgument>() >> list;
    for (const PortalShortcut &shortcut : list)
        ids.insert(shortcut.id);
    return ids;
}
}  // namespace

}  // namespace tavrin

Q_DECLARE_METATYPE(tavrin::PortalShortcut)

namespace tavrin {

bool PortalShortcuts::isOffered(const QDBusConnection &bus, QString *problem)
{
    if (!bus.isConnected()) {
        if (problem)
            *problem = QStringLiteral("there is no session bus");
        return false;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        portal::kService, portal::kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kProbeTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    if (problem)
        *problem = reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
                       ? QStringLiteral("no desktop portal is installed")
                       : QStringLiteral("the desktop portal offers no GlobalShortcuts");
    return false;
}

PortalShortcuts::PortalShortcuts(QDBusConnection bus, QObject *parent) : GlobalShortcuts(parent), m_bus(std::move(bus))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    m_bus.connect(portal::kService, portal::kPath, kInterface, QStringLiteral("Activated"), this,
                  SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    m_bus.connect(portal::kService, portal::kPath, kInterface, QStringLiteral("Deactivated"), this,
                  SLOT(onDeactivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
}

PortalShortcuts::~PortalShortcuts()
{
    closeSession();
}

ShortcutStatus PortalShortcuts::registerShortcut(const QString &id, QKeyCombination keys, const QString &description)
{
    if (portal::shortcutTrigger(keys).isEmpty())
        return ShortcutStatus::refused(QStringLiteral("This key cannot be given to the desktop."));
    const auto bound = m_bound.constFind(id);
    m_wanted.insert(id, Wanted{keys, description});
    if (bound != m_bound.cend() && bound->keys == keys && m_active.contains(id))
        return ShortcutStatus::active();
    m_active.remove(id);
    scheduleBind();
    return ShortcutStatus::pending();
}

void PortalShortcuts::unregisterShortcut(const QString &id)
{
    if (!m_wanted.remove(id))
        return;
    m_active.remove(id);
    m_held.remove(id);
    if (m_wanted.isEmpty())
        closeSession();
    else
        scheduleBind();
}

void PortalShortcuts::scheduleBind()
{
    // The registrations of one event-loop turn (a launch registers all its shortcuts) go as one request.
    if (m_bindScheduled)
        return;
    m_bindScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_bindScheduled = false;
        bind();
    });
}

void PortalShortcuts::bind()
{
    // A session binds once: another set needs another session.
    closeSession();
    const std::uint64_t round = ++m_round;
    const QHash<QString, Wanted> wanted = m_wanted;
    const QVariantMap options{{QStringLiteral("session_handle_token"), portal::Request::newToken()}};
    portal::Request::send(
        m_bus, kInterface, QStringLiteral("CreateSession"), {options}, this,
        [this, round, wanted](const portal::Reply &reply) {
            if (round != m_round)
                return;
            if (!reply.succeeded()) {
                settle(wanted, {}, QStringLiteral("The desktop gave no shortcut session (%1).").arg(reply.describe()));
                return;
            }
            const QVariant handle = reply.results.value(QStringLiteral("session_handle"));
            m_session =
                handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
            bindInSession(m_session, wanted);
        });
}

void PortalShortcuts::bindInSession(const QString &session, const QHash<QString, Wanted> &wanted)
{
    QList<PortalShortcut> shortcuts;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        shortcuts.append({it.key(),
                          {{QStringLiteral("description"), it->description},
                           {QStringLiteral("preferred_trigger"), portal::shortcutTrigger(it->keys)}}});
    }
    const std::uint64_t round = m_round;
    portal::Request::send(
        m_bus, kInterface, QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts), QString(), QVariantMap()}, this,
        [this, round, wanted](const portal::Reply &reply) {
            if (round != m_round)
                return;
            if (reply.response == portal::Reply::Cancelled && reply.error.isEmpty()) {
                settle(wanted, {}, QStringLiteral("The desktop's dialog was closed without it."));
                return;
            }
            if (!reply.succeeded()) {
                settle(wanted, {}, QStringLiteral("The desktop did not bind it (%1).").arg(reply.describe()));
                return;
            }
            m_bound = wanted;
            settle(wanted, boundIds(reply.results.value(QStringLiteral("shortcuts"))),
                   QStringLiteral("The desktop did not bind it."));
        });
}

void PortalShortcuts::settle(const QHash<QString, Wanted> &asked, const QSet<QString> &bound, const QString &why)
{
    if (bound.isEmpty() && !why.isEmpty())
        qCWarning(lcPortal).noquote() << "global shortcuts through the portal:" << why;
    for (auto it = asked.cbegin(); it != asked.cend(); ++it) {
        // An id given up meanwhile is not reported.
        if (!m_wanted.contains(it.key()))
            continue;
        if (bound.contains(it.key())) {
            m_active.insert(it.key());
            Q_EMIT statusChanged(it.key(), ShortcutStatus::active());
        } else {
            m_active.remove(it.key());
            Q_EMIT statusChanged(it.key(), ShortcutStatus::refused(why));
        }
    }
}

void PortalShortcuts::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.asyncCall(
        QDBusMessage::createMethodCall(portal::kService, m_session, kSessionInterface, QStringLiteral("Close")));
    m_session.clear();
    m_bound.clear();
    m_active.clear();
    m_held.clear();
}

void PortalShortcuts::onActivated(const QDBusObjectPath &session, const QString &id, qulonglong, const QVariantMap &)
{
    if (session.path() != m_session || !m_active.contains(id) || m_held.contains(id))
        return;
    m_held.insert(id);
    Q_EMIT activated(id);
}

void PortalShortcuts::onDeactivated(const QDBusObjectPath &session, const QString &id, qulonglong, const QVariantMap &)
{
    if (session.path() == m_session)
        m_held.remove(id);
}

}  // namespace tavrin
