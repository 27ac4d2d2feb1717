// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/kde/KGlobalAccelShortcuts.h"

#include "platform/ApplicationId.h"
#include "platform/kde/KdeLog.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QKeySequence>

namespace tavrin {

namespace {
const QString kService = QStringLiteral("org.kde.kglobalaccel");
const QString kPath = QStringLiteral("/kglobalaccel");
const QString kInterface = QStringLiteral("org.kde.KGlobalAccel");
const QString kComponentInterface = QStringLiteral("org.kde.kglobalaccel.Component");
// The service answers at once; a hung one must not hold up the program for D-Bus's default 25 s.
constexpr int kCallTimeoutMs = 3000;

// setShortcut's flags: the action is there now, and the keys given are the ones to use, not a stored choice.
constexpr uint kSetPresent = 2;
constexpr uint kNoAutoloading = 4;

QString label(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}
}  // namespace

const QString KGlobalAccelShortcuts::kComponent = QString::fromLatin1(kApplicationId);

bool KGlobalAccelShortcuts::isServed(const QDBusConnection &bus)
{
    const QDBusConnectionInterface *names = bus.isConnected() ? bus.interface() : nullptr;
    return names && names->isServiceRegistered(kService).value();
}

KGlobalAccelShortcuts::KGlobalAccelShortcuts(QDBusConnection bus, QObject *parent)
    : GlobalShortcuts(parent), m_bus(std::move(bus)), m_offered(isServed(m_bus))
{
    qDBusRegisterMetaType<QList<int>>();
    if (m_offered)
        m_bus.connect(kService, kPath, kInterface, QStringLiteral("yourShortcutGotChanged"), this,
                      SLOT(onShortcutChanged(QStringList, QList<int>)));
}

KGlobalAccelShortcuts::~KGlobalAccelShortcuts()
{
    for (auto it = m_active.cbegin(); it != m_active.cend(); ++it)
        call(QStringLiteral("setInactive"), {actionId(it.key())});
}

QStringList KGlobalAccelShortcuts::actionId(const QString &id) const
{
    return {kComponent, id, QStringLiteral("Tavrin"), m_descriptions.value(id, id)};
}

QDBusMessage KGlobalAccelShortcuts::call(const QString &method, const QVariantList &arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    return m_bus.call(message, QDBus::Block, kCallTimeoutMs);
}

bool KGlobalAccelShortcuts::listenToComponent()
{
    if (m_listening)
        return true;
    // The component exists once it has an action: its path is asked for after the first registration.
    const QDBusMessage reply = call(QStringLiteral("getComponent"), {kComponent});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QString path = reply.arguments().constFirst().value<QDBusObjectPath>().path();
    m_listening = m_bus.connect(kService, path, kComponentInterface, QStringLiteral("globalShortcutPressed"), this,
                                SLOT(onPressed(QString, QString, qlonglong))) &&
                  m_bus.connect(kService, path, kComponentInterface, QStringLiteral("globalShortcutReleased"), this,
                                SLOT(onReleased(QString, QString, qlonglong)));
    return m_listening;
}

QString KGlobalAccelShortcuts::holderOf(QKeyCombination keys) const
{
    // [component, action, component's name, action's name] of whoever holds the combination.
    const QDBusMessage reply = call(QStringLiteral("action"), {keys.toCombined()});
    const QStringList holder = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                                   ? reply.arguments().constFirst().toStringList()
                                   : QStringList();
    if (holder.size() < 4 || holder.at(2).isEmpty())
        return {};
    return holder.at(3).isEmpty() ? holder.at(2) : QStringLiteral("%1 (%2)").arg(holder.at(2), holder.at(3));
}

ShortcutStatus KGlobalAccelShortcuts::registerShortcut(const QString &id, QKeyCombination keys,
                                                       const QString &description)
{
    if (!m_offered)
        return ShortcutStatus::refused(QStringLiteral("KDE's shortcut service is not running."));
    m_descriptions.insert(id, description);
    m_active.remove(id);
    const QStringList action = actionId(id);
    const QDBusMessage registered = call(QStringLiteral("doRegister"), {action});
    if (registered.type() == QDBusMessage::ErrorMessage) {
        qCWarning(lcKde).noquote() << "KDE's shortcut service did not take the action" << id << ":"
                                   << registered.errorMessage();
        return ShortcutStatus::refused(QStringLiteral("KDE's shortcut service did not answer."));
    }
    if (!listenToComponent())
        qCWarning(lcKde).noquote() << "the presses of Tavrin's shortcuts cannot be followed";

    const QDBusMessage set =
        call(QStringLiteral("setShortcut"),
             {action, QVariant::fromValue(QList<int>{keys.toCombined()}), kSetPresent | kNoAutoloading});
    const QList<int> taken = set.type() == QDBusMessage::ReplyMessage && !set.arguments().isEmpty()
                                 ? qdbus_cast<QList<int>>(set.arguments().constFirst())
                                 : QList<int>();
    if (taken.contains(keys.toCombined())) {
        m_active.insert(id, keys);
        return ShortcutStatus::active();
    }
    // KDE keeps the combination of whoever had it first; the action stays, without keys.
    const QString holder = holderOf(keys);
    return ShortcutStatus::refused(holder.isEmpty() ? QStringLiteral("%1 is not free in KDE.").arg(label(keys))
                                                    : QStringLiteral("%1 is taken by %2.").arg(label(keys), holder));
}

void KGlobalAccelShortcuts::unregisterShortcut(const QString &id)
{
    if (!m_descriptions.contains(id))
        return;
    call(QStringLiteral("unRegister"), {actionId(id)});
    m_active.remove(id);
    m_descriptions.remove(id);
    m_held.remove(id);
}

void KGlobalAccelShortcuts::onPressed(const QString &component, const QString &action, qlonglong)
{
    if (component != kComponent || !m_active.contains(action) || m_held.contains(action))
        return;
    m_held.insert(action);
    Q_EMIT activated(action);
}

void KGlobalAccelShortcuts::onReleased(const QString &component, const QString &action, qlonglong)
{
    if (component == kComponent)
        m_held.remove(action);
}

void KGlobalAccelShortcuts::onShortcutChanged(const QStringList &actionId, const QList<int> &keys)
{
    // The user gave one of our actions other keys in System Settings: ours no longer work.
    if (actionId.size() < 2 || actionId.at(0) != kComponent || !m_active.contains(actionId.at(1)))
        return;
    const QString &id = actionId.at(1);
    const QKeyCombination ours = m_active.value(id);
    if (keys.contains(ours.toCombined()))
        return;
    m_active.remove(id);
    const QString now =
        keys.isEmpty() ? QStringLiteral("no keys") : label(QKeyCombination::fromCombined(keys.constFirst()));
    Q_EMIT statusChanged(id,
                         ShortcutStatus::refused(
                             QStringLiteral("%1 was changed to %2 in KDE's shortcut settings.").arg(label(ours), now)));
}

}  // namespace tavrin
