// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hotkeys/AppShortcuts.h"
#include "platform/GlobalShortcuts.h"

#include <QObject>

#include <array>
#include <optional>
#include <utility>

namespace tavrin {

// What the desktop made of each of the three shortcuts the last time it was taken (at start, or after a recording):
// the shell writes it, Preferences shows it beside each box and in "This desktop".
class ShortcutStates : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// The last status; none while the shortcut is not recorded (nothing was asked of the desktop).
    std::optional<ShortcutStatus> status(Shortcut shortcut) const { return m_states.at(shortcutIndex(shortcut)); }
    void setStatus(Shortcut shortcut, std::optional<ShortcutStatus> status)
    {
        std::optional<ShortcutStatus> &stored = m_states.at(shortcutIndex(shortcut));
        if (stored == status)
            return;
        stored = std::move(status);
        Q_EMIT changed(shortcut);
    }
    /// Whether a recorded shortcut does not fire.
    bool isRefused(Shortcut shortcut) const
    {
        const std::optional<ShortcutStatus> &stored = m_states.at(shortcutIndex(shortcut));
        return stored && stored->state == ShortcutStatus::State::Refused;
    }

    /// Why the desktop refused the combination being recorded, until the recorder's alert takes it as its
    /// explanation (takeRefusal); empty otherwise.
    void setRefusalToTell(const QString &reason) { m_refusalToTell = reason; }
    QString takeRefusal() { return std::exchange(m_refusalToTell, QString()); }

Q_SIGNALS:
    void changed(tavrin::Shortcut shortcut);

private:
    std::array<std::optional<ShortcutStatus>, kShortcuts.size()> m_states;
    QString m_refusalToTell;
};

}  // namespace tavrin
