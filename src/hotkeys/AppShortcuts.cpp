// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotkeys/AppShortcuts.h"

#include "hotkeys/HotKeysLog.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

#include <algorithm>

namespace tavrin {

const std::array<AppShortcut, 3> &AppShortcut::all()
{
    static const std::array<AppShortcut, 3> shortcuts{{
        {Shortcut::quickAccess, keys::quickAccessKeyName, keys::quickAccessModifiers, QStringLiteral("quick-access"),
         QStringLiteral("Show the clipboard list")},
        {Shortcut::toggleSequentialMode, keys::toggleSequentialKeyName, keys::toggleSequentialModifiers,
         QStringLiteral("toggle-sequential"), QStringLiteral("Turn sequential paste on or off")},
        {Shortcut::sequentialPaste, keys::sequentialPasteKeyName, keys::sequentialPasteModifiers,
         QStringLiteral("paste-next"), QStringLiteral("Paste the next queued entry")},
    }};
    return shortcuts;
}

const AppShortcut &AppShortcut::of(Shortcut shortcut)
{
    return all()[shortcutIndex(shortcut)];
}

StoredShortcut AppShortcut::storedIn(const SettingsStore &settings) const
{
    return StoredShortcut{settings.string(keyNameKey).value_or(QString()),
                          settings.integerArray(modifierKey).value_or(QList<std::int64_t>())};
}

AppShortcuts::AppShortcuts(SettingsStore &settings, GlobalShortcuts &desktop, QObject *parent)
    : QObject(parent), m_settings(settings), m_desktop(desktop)
{
    connect(&desktop, &GlobalShortcuts::activated, this, [this](const QString &id) {
        if (const std::optional<Shortcut> shortcut = shortcutWithId(id))
            Q_EMIT activated(*shortcut);
    });
    connect(&desktop, &GlobalShortcuts::statusChanged, this, [this](const QString &id, const ShortcutStatus &status) {
        const std::optional<Shortcut> shortcut = shortcutWithId(id);
        if (!shortcut || !m_registrations[shortcutIndex(*shortcut)])
            return;
        Registration registration = *m_registrations[shortcutIndex(*shortcut)];
        registration.status = status;
        if (!status.isActive())
            qCWarning(lcHotKeys).noquote() << "the desktop changed the" << id << "shortcut:" << status;
        setStatus(*shortcut, registration);
    });
}

AppShortcuts::~AppShortcuts()
{
    // Lost ones too: the desktop may still hold them, waiting to give them back.
    for (const Shortcut shortcut : kShortcuts) {
        if (const std::optional<Registration> &registration = m_registrations[shortcutIndex(shortcut)];
            registration && registration->keys)
            m_desktop.unregisterShortcut(AppShortcut::of(shortcut).id);
    }
}

void AppShortcuts::registerStored()
{
    for (const AppShortcut &shortcut : AppShortcut::all()) {
        const StoredShortcut stored = shortcut.storedIn(m_settings);
        if (!stored.isRecorded())
            continue;
        if (const std::optional<QKeyCombination> keys = stored.keys()) {
            registerShortcut(shortcut.shortcut, *keys);
            continue;
        }
        qCWarning(lcHotKeys).noquote() << "the stored" << shortcut.id << "shortcut names no key a shortcut can be on"
                                       << "(key name" << stored.keyName << "); it is kept as it is and not registered";
        setStatus(shortcut.shortcut,
                  Registration{
                      std::nullopt,
                      ShortcutStatus::refused(
                          tr("The key stored for this shortcut, \"%1\", cannot be used here.").arg(stored.keyName))});
    }
}

ShortcutStatus AppShortcuts::registerShortcut(Shortcut shortcut, QKeyCombination keys)
{
    const AppShortcut &app = AppShortcut::of(shortcut);
    ShortcutStatus status = m_desktop.registerShortcut(app.id, keys, app.description);
    if (status.state == ShortcutStatus::State::Refused)
        qCWarning(lcHotKeys).noquote() << "the" << app.id << "shortcut is not registered:" << status.reason;
    else
        qCDebug(lcHotKeys).noquote() << "the" << app.id << "shortcut:" << status;
    setStatus(shortcut, Registration{keys, status});
    return status;
}

void AppShortcuts::unregisterShortcut(Shortcut shortcut)
{
    if (!m_registrations[shortcutIndex(shortcut)])
        return;
    m_desktop.unregisterShortcut(AppShortcut::of(shortcut).id);
    setStatus(shortcut, std::nullopt);
}

std::optional<ShortcutStatus> AppShortcuts::statusOf(Shortcut shortcut) const
{
    const std::optional<Registration> &registration = m_registrations[shortcutIndex(shortcut)];
    if (!registration)
        return std::nullopt;
    return registration->status;
}

std::optional<QKeyCombination> AppShortcuts::registeredKeys(Shortcut shortcut) const
{
    const std::optional<Registration> &registration = m_registrations[shortcutIndex(shortcut)];
    if (!registration || registration->status.state == ShortcutStatus::State::Refused)
        return std::nullopt;
    return registration->keys;
}

StoredShortcut AppShortcuts::stored(Shortcut shortcut) const
{
    return AppShortcut::of(shortcut).storedIn(m_settings);
}

bool AppShortcuts::store(Shortcut shortcut, QKeyCombination keys)
{
    const std::optional<StoredShortcut> stored = StoredShortcut::fromKeys(keys);
    if (!stored)
        return false;
    const AppShortcut &app = AppShortcut::of(shortcut);
    m_settings.setString(app.keyNameKey, stored->keyName);
    m_settings.setIntegerArray(app.modifierKey, stored->modifierCodes);
    return true;
}

void AppShortcuts::removeStored(Shortcut shortcut)
{
    const AppShortcut &app = AppShortcut::of(shortcut);
    m_settings.remove(app.keyNameKey);
    m_settings.remove(app.modifierKey);
}

void AppShortcuts::setStatus(Shortcut shortcut, std::optional<Registration> registration)
{
    std::optional<Registration> &slot = m_registrations[shortcutIndex(shortcut)];
    const std::optional<ShortcutStatus> before = slot ? std::optional(slot->status) : std::nullopt;
    slot = std::move(registration);
    const std::optional<ShortcutStatus> now = slot ? std::optional(slot->status) : std::nullopt;
    if (now != before)
        Q_EMIT statusChanged(shortcut, now);
}

std::optional<Shortcut> AppShortcuts::shortcutWithId(const QString &id) const
{
    const auto &all = AppShortcut::all();
    const auto found = std::find_if(all.begin(), all.end(), [&id](const AppShortcut &app) { return app.id == id; });
    if (found == all.end())
        return std::nullopt;
    return found->shortcut;
}

}  // namespace tavrin
