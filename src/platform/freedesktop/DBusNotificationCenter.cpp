// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/freedesktop/DBusNotificationCenter.h"

#include "platform/freedesktop/FreedesktopLog.h"

#include <QDBusMessage>

namespace tavrin {

DBusNotificationCenter::DBusNotificationCenter(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
}

void DBusNotificationCenter::post(const QString &name, const QString &object)
{
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
                                                     QString::fromLatin1(kSignal));
    signal << name << object;
    // Fire and forget: nobody may be listening, and that is no failure.
    if (!m_bus.isConnected() || !m_bus.send(signal))
        qCWarning(lcFreedesktop).noquote()
            << "the notification" << name << "could not be sent:"
            << (m_bus.isConnected() ? m_bus.lastError().message() : QStringLiteral("no session bus"));
}

void DBusNotificationCenter::addObserver(const QString &name, Observer observer)
{
    m_observers.insert(name, observer);
    if (m_listening)
        return;
    m_listening = m_bus.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
                                QString::fromLatin1(kSignal), this, SLOT(deliver(QString, QString)));
    if (!m_listening)
        qCWarning(lcFreedesktop).noquote()
            << "notifications cannot be received:"
            << (m_bus.isConnected() ? m_bus.lastError().message() : QStringLiteral("no session bus"));
}

void DBusNotificationCenter::deliver(const QString &name, const QString &object)
{
    // A copy: an observer may add observers.
    const QList<Observer> observers = m_observers.values(name);
    for (const Observer &observer : observers)
        observer(object);
}

}  // namespace tavrin
