// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalShortcuts.h"

#include <QDBusConnection>
#include <QHash>
#include <QSet>
#include <QStringList>

namespace tavrin {

// Global shortcuts through KDE's shortcut service (org.kde.kglobalaccel, served by KWin on Plasma Wayland), the way
// KDE programs register theirs: each id is an action of the component "io.tavrin.Tavrin", listed in System Settings →
// Shortcuts under Tavrin. The program's own choice is forced (not a stored one), and a combination another program
// or KDE itself holds is refused with its holder's name.
class KGlobalAccelShortcuts final : public GlobalShortcuts {
    Q_OBJECT

public:
    /// The component the actions belong to: the desktop entry's name (the application id), as KDE programs do.
    static const QString kComponent;

    explicit KGlobalAccelShortcuts(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    /// Leaves the actions inactive: KDE keeps them listed, and they do nothing while the program is gone.
    ~KGlobalAccelShortcuts() override;

    /// True when the session bus has KDE's shortcut service.
    static bool isServed(const QDBusConnection &bus = QDBusConnection::sessionBus());

    ShortcutStatus registerShortcut(const QString &id, QKeyCombination keys, const QString &description) override;
    void unregisterShortcut(const QString &id) override;
    bool isOffered() const override { return m_offered; }

private Q_SLOTS:
    void onPressed(const QString &component, const QString &action, qlonglong timestamp);
    void onReleased(const QString &component, const QString &action, qlonglong timestamp);
    void onShortcutChanged(const QStringList &actionId, const QList<int> &keys);

private:
    QStringList actionId(const QString &id) const;
    QDBusMessage call(const QString &method, const QVariantList &arguments) const;
    bool listenToComponent();
    QString holderOf(QKeyCombination keys) const;

    QDBusConnection m_bus;
    bool m_offered = false;
    bool m_listening = false;
    QHash<QString, QKeyCombination> m_active;
    QHash<QString, QString> m_descriptions;
    QSet<QString> m_held;  // pressed and not yet released: an auto-repeat is not a new press
};

}  // namespace tavrin
