// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalShortcuts.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QHash>
#include <QSet>

namespace tavrin {

// Global shortcuts through the desktop's GlobalShortcuts portal (org.freedesktop.portal.GlobalShortcuts: GNOME 48
// and later, Hyprland). The desktop decides, usually in a dialog of its own: a registration is Pending until it
// answered. Registrations made together (those of a launch) go to the desktop in one request, so one dialog asks
// for all of them; a later change binds the whole set again in a new session, as a session binds once.
class PortalShortcuts final : public GlobalShortcuts {
    Q_OBJECT

public:
    /// Whether the desktop's portal has GlobalShortcuts on this bus; why not in problem when not.
    static bool isOffered(const QDBusConnection &bus, QString *problem = nullptr);

    explicit PortalShortcuts(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~PortalShortcuts() override;

    ShortcutStatus registerShortcut(const QString &id, QKeyCombination keys, const QString &description) override;
    void unregisterShortcut(const QString &id) override;
    bool isOffered() const override { return true; }

private Q_SLOTS:
    void onActivated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                     const QVariantMap &options);
    void onDeactivated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                       const QVariantMap &options);

private:
    struct Wanted {
        QKeyCombination keys;
        QString description;
    };

    void scheduleBind();
    void bind();
    void bindInSession(const QString &session, const QHash<QString, Wanted> &wanted);
    void settle(const QHash<QString, Wanted> &asked, const QSet<QString> &bound, const QString &why);
    void closeSession();

    QDBusConnection m_bus;
    QHash<QString, Wanted> m_wanted;
    QHash<QString, Wanted> m_bound;  // what the desktop last bound, in m_session
    QSet<QString> m_active;
    QSet<QString> m_held;
    QString m_session;
    bool m_bindScheduled = false;
    bool m_binding = false;
    std::uint64_t m_round = 0;  // a bind answered after a newer one began is out of date
};

}  // namespace tavrin
