// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal/RemoteDesktopKeyboard.h"

#include "platform/common/QtKeysyms.h"
#include "platform/portal/PortalKeys.h"
#include "platform/portal/PortalLog.h"
#include "platform/portal/PortalRequest.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QTimer>

#include <algorithm>

namespace tavrin {

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");
constexpr uint kKeyboard = 1;  // the device type
// The portal may be started on demand, and its desktop part with it: a second or two the first time.
constexpr int kProbeTimeoutMs = 5000;
// KDE's portal refuses sessions while it still connects to the compositor (a second or more after it started):
// ask again soon, then every two seconds.
constexpr int kFirstRetryMs = 250;
constexpr int kLongestRetryMs = 2000;

QString sessionPath(const QVariant &handle)
{
    return handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
}
}  // namespace

bool RemoteDesktopKeyboard::isOffered(const QDBusConnection &bus, QString *problem)
{
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return false;
    };
    if (!bus.isConnected())
        return fail(QStringLiteral("there is no session bus"));
    QDBusMessage get = QDBusMessage::createMethodCall(
        portal::kService, portal::kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kInterface << QStringLiteral("AvailableDeviceTypes");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kProbeTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown"))
            return fail(QStringLiteral("no desktop portal is installed"));
        return fail(QStringLiteral("the desktop portal offers no RemoteDesktop"));
    }
    const uint types = reply.arguments().value(0).value<QDBusVariant>().variant().toUInt();
    if (!(types & kKeyboard))
        return fail(QStringLiteral("the desktop's RemoteDesktop portal offers no keyboard"));
    return true;
}

RemoteDesktopKeyboard::RemoteDesktopKeyboard(QDBusConnection bus, QObject *parent)
    : QObject(parent), m_bus(std::move(bus))
{
    createSession();
}

RemoteDesktopKeyboard::~RemoteDesktopKeyboard()
{
    closeSession();
}

void RemoteDesktopKeyboard::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void RemoteDesktopKeyboard::createSession()
{
    setState(State::Starting);
    m_problem.clear();
    ++m_attempts;
    const std::uint64_t round = ++m_round;
    const QVariantMap options{{QStringLiteral("session_handle_token"), portal::Request::newToken()}};
    portal::Request::send(m_bus, kInterface, QStringLiteral("CreateSession"), {options}, this,
                          [this, round](const portal::Reply &reply) {
                              if (round != m_round)
                                  return;
                              if (!reply.succeeded()) {
                                  retry(QStringLiteral("no session: %1").arg(reply.describe()));
                                  return;
                              }
                              m_session = sessionPath(reply.results.value(QStringLiteral("session_handle")));
                              m_bus.connect(portal::kService, m_session, kSessionInterface, QStringLiteral("Closed"),
                                            this, SLOT(onSessionClosed()));
                              selectDevices();
                          });
}

void RemoteDesktopKeyboard::selectDevices()
{
    const std::uint64_t round = m_round;
    const QVariantMap options{{QStringLiteral("types"), kKeyboard}};
    portal::Request::send(m_bus, kInterface, QStringLiteral("SelectDevices"),
                          {QVariant::fromValue(QDBusObjectPath(m_session)), options}, this,
                          [this, round](const portal::Reply &reply) {
                              if (round != m_round)
                                  return;
                              if (reply.succeeded())
                                  startSession();
                              else
                                  retry(QStringLiteral("no keyboard: %1").arg(reply.describe()));
                          });
}

void RemoteDesktopKeyboard::startSession()
{
    const std::uint64_t round = m_round;
    portal::Request::send(m_bus, kInterface, QStringLiteral("Start"),
                          {QVariant::fromValue(QDBusObjectPath(m_session)), QString(), QVariantMap()}, this,
                          [this, round](const portal::Reply &reply) {
                              if (round != m_round)
                                  return;
                              if (reply.response == portal::Reply::Cancelled && reply.error.isEmpty()) {
                                  giveUp(QStringLiteral("typing keys was not allowed in the desktop's dialog"), true);
                                  return;
                              }
                              if (!reply.succeeded()) {
                                  retry(QStringLiteral("the session did not start: %1").arg(reply.describe()));
                                  return;
                              }
                              sessionStarted(reply.results.value(QStringLiteral("devices")).toUInt());
                          });
}

void RemoteDesktopKeyboard::sessionStarted(uint devices)
{
    if (!(devices & kKeyboard)) {
        giveUp(QStringLiteral("the desktop gave no keyboard"));
        return;
    }
    m_attempts = 0;
    qCInfo(lcPortal).noquote() << "keys are typed through the desktop's RemoteDesktop portal";
    setState(State::Ready);
    const QList<Waiting> waiting = std::exchange(m_waiting, {});
    for (const Waiting &entry : waiting) {
        if (entry.since.elapsed() <= kWaitingKeysMs)
            send(entry.keys);
    }
}

void RemoteDesktopKeyboard::retry(const QString &why)
{
    closeSession();
    if (m_attempts >= kStartAttempts) {
        giveUp(why);
        return;
    }
    qCDebug(lcPortal).noquote() << "RemoteDesktop:" << why << "- trying again";
    QTimer::singleShot(std::min(kFirstRetryMs << std::min(m_attempts - 1, 4), kLongestRetryMs), this,
                       &RemoteDesktopKeyboard::createSession);
}

void RemoteDesktopKeyboard::giveUp(const QString &why, bool declined)
{
    closeSession();
    m_problem = why;
    m_attempts = 0;
    if (!m_waiting.isEmpty())
        qCWarning(lcPortal).noquote() << "keys for a paste were not typed:" << why;
    m_waiting.clear();
    qCWarning(lcPortal).noquote() << "keys cannot be typed through the RemoteDesktop portal:" << why;
    setState(declined ? State::Declined : State::Failed);
}

void RemoteDesktopKeyboard::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.disconnect(portal::kService, m_session, kSessionInterface, QStringLiteral("Closed"), this,
                     SLOT(onSessionClosed()));
    m_bus.asyncCall(
        QDBusMessage::createMethodCall(portal::kService, m_session, kSessionInterface, QStringLiteral("Close")));
    m_session.clear();
}

void RemoteDesktopKeyboard::onSessionClosed()
{
    // While the session starts, its requests' answers tell how it went (KDE closes a session it could not make).
    if (m_state != State::Ready)
        return;
    // The desktop ended it (a restart of the portal, the user's "stop"): make another for the next keys.
    qCInfo(lcPortal).noquote() << "the desktop closed the RemoteDesktop session; making a new one";
    m_bus.disconnect(portal::kService, m_session, kSessionInterface, QStringLiteral("Closed"), this,
                     SLOT(onSessionClosed()));
    m_session.clear();
    m_attempts = 0;
    createSession();
}

bool RemoteDesktopKeyboard::typeKeys(QKeyCombination keys)
{
    if (keysymForKey(keys) == 0)
        return false;
    switch (m_state) {
    case State::Ready: send(keys); return true;
    case State::Starting: break;
    case State::Declined:
        // Asking again is the user's own doing: they asked to paste.
        m_attempts = 0;
        createSession();
        break;
    case State::Failed:
        // The portal may be back (restarted): the next keys may find a session; these are lost.
        m_attempts = 0;
        createSession();
        return false;
    }
    Waiting entry{keys, {}};
    entry.since.start();
    m_waiting.append(entry);
    return true;
}

void RemoteDesktopKeyboard::send(QKeyCombination keys)
{
    const QList<std::uint32_t> modifiers = portal::modifierKeysyms(keys.keyboardModifiers());
    for (const std::uint32_t modifier : modifiers)
        notifyKeysym(modifier, true);
    const std::uint32_t key = keysymForKey(keys);
    notifyKeysym(key, true);
    notifyKeysym(key, false);
    for (qsizetype i = modifiers.size() - 1; i >= 0; --i)
        notifyKeysym(modifiers.at(i), false);
}

void RemoteDesktopKeyboard::notifyKeysym(std::uint32_t keysym, bool pressed)
{
    m_events.append({keysym, pressed});
    sendNextEvent();
}

void RemoteDesktopKeyboard::sendNextEvent()
{
    // One at a time: the portal may handle calls on several threads, and a release that overtakes its press leaves
    // the key held (and repeating) in the window.
    if (m_sending || m_events.isEmpty())
        return;
    const KeyEvent event = m_events.takeFirst();
    QDBusMessage message = QDBusMessage::createMethodCall(portal::kService, portal::kPath, kInterface,
                                                          QStringLiteral("NotifyKeyboardKeysym"));
    message << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariantMap() << int(event.keysym)
            << uint(event.pressed ? 1 : 0);
    m_sending = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, session = m_session] {
        watcher->deleteLater();
        m_sending = false;
        // A session the desktop dropped without saying so: the next keys need a new one.
        if (watcher->isError() && session == m_session && m_state == State::Ready) {
            qCWarning(lcPortal).noquote() << "a key was not typed:" << watcher->error().message();
            m_events.clear();
            onSessionClosed();
            return;
        }
        sendNextEvent();
    });
}

}  // namespace tavrin
