// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalShortcuts.h"

#include <QStringList>

#include <map>
#include <optional>
#include <set>

namespace tavrin {

// An in-memory shortcut table; a test plays the keyboard, the other programs that hold combinations and a desktop
// that answers later.
class FakeGlobalShortcuts final : public GlobalShortcuts {
    Q_OBJECT

public:
    struct Registration {
        QKeyCombination keys;
        QString description;
        ShortcutStatus status;
    };

    ShortcutStatus registerShortcut(const QString &id, QKeyCombination keys, const QString &description) override;
    void unregisterShortcut(const QString &id) override;
    bool isOffered() const override { return offered; }

    /// Another program holds this combination from now on: registering it is refused.
    void takeByOtherProgram(QKeyCombination keys);
    /// The user presses a combination: the id active for it is activated. False when none is.
    bool press(QKeyCombination keys);
    /// The desktop answers a pending registration (statusChanged follows).
    void decide(const QString &id, const ShortcutStatus &status);

    /// What is registered now (refusals are not), by id.
    const std::map<QString, Registration> &registrations() const { return m_registrations; }
    /// True when an id is active with this combination.
    bool isRegistered(QKeyCombination keys) const;
    /// The combination registered for an id, none when the id has none.
    std::optional<QKeyCombination> keysOf(const QString &id) const;

    /// False: a desktop that lets no program take shortcuts.
    bool offered = true;
    /// True: registrations wait for decide(), as behind a consent dialog.
    bool answersLater = false;
    /// Every id registered through the interface, oldest first.
    QStringList registerCalls;

private:
    std::map<QString, Registration> m_registrations;
    std::set<int> m_takenElsewhere;
};

}  // namespace tavrin
