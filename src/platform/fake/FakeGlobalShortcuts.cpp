// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakeGlobalShortcuts.h"

#include <QKeySequence>

#include <algorithm>

namespace tavrin {

namespace {
QString keysText(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}
}  // namespace

ShortcutStatus FakeGlobalShortcuts::registerShortcut(const QString &id, QKeyCombination keys,
                                                     const QString &description)
{
    registerCalls.append(id);
    m_registrations.erase(id);
    if (!offered)
        return ShortcutStatus::refused(QStringLiteral("This desktop lets no program take global shortcuts."));
    // Like the real backends, a combination is held once: by another program or by an earlier registration.
    if (m_takenElsewhere.contains(keys.toCombined()))
        return ShortcutStatus::refused(QStringLiteral("%1 is taken by another program.").arg(keysText(keys)));
    const auto sameKeys = [keys](const auto &entry) { return entry.second.keys == keys; };
    if (std::any_of(m_registrations.begin(), m_registrations.end(), sameKeys))
        return ShortcutStatus::refused(
            QStringLiteral("%1 is already another shortcut of this program.").arg(keysText(keys)));
    ShortcutStatus status = answersLater ? ShortcutStatus::pending() : ShortcutStatus::active();
    m_registrations[id] = Registration{keys, description, status};
    return status;
}

void FakeGlobalShortcuts::unregisterShortcut(const QString &id)
{
    m_registrations.erase(id);
}

void FakeGlobalShortcuts::takeByOtherProgram(QKeyCombination keys)
{
    m_takenElsewhere.insert(keys.toCombined());
}

bool FakeGlobalShortcuts::press(QKeyCombination keys)
{
    for (const auto &[id, registration] : m_registrations) {
        if (registration.keys == keys && registration.status.isActive()) {
            Q_EMIT activated(QString(id));  // a copy: a slot may unregister it
            return true;
        }
    }
    return false;
}

void FakeGlobalShortcuts::decide(const QString &id, const ShortcutStatus &status)
{
    const auto found = m_registrations.find(id);
    if (found == m_registrations.end())
        return;
    found->second.status = status;
    if (!status.isActive() && status.state != ShortcutStatus::State::Pending)
        m_registrations.erase(found);
    Q_EMIT statusChanged(id, status);
}

bool FakeGlobalShortcuts::isRegistered(QKeyCombination keys) const
{
    return std::any_of(m_registrations.begin(), m_registrations.end(), [keys](const auto &entry) {
        return entry.second.keys == keys && entry.second.status.isActive();
    });
}

std::optional<QKeyCombination> FakeGlobalShortcuts::keysOf(const QString &id) const
{
    const auto found = m_registrations.find(id);
    if (found == m_registrations.end())
        return std::nullopt;
    return found->second.keys;
}

}  // namespace tavrin
