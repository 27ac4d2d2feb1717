// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hotkeys/StoredShortcut.h"
#include "platform/GlobalShortcuts.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace tavrin {

class SettingsStore;

// The program's three global shortcuts.
enum class Shortcut { quickAccess, toggleSequentialMode, sequentialPaste };

/// All three, in the order every search over them uses.
inline constexpr std::array<Shortcut, 3> kShortcuts{Shortcut::quickAccess, Shortcut::toggleSequentialMode,
                                                    Shortcut::sequentialPaste};

constexpr std::size_t shortcutIndex(Shortcut shortcut)
{
    return static_cast<std::size_t>(shortcut);
}

// Where one of the three shortcuts is stored, and how the desktop knows it.
struct AppShortcut {
    Shortcut shortcut;
    QString keyNameKey;
    QString modifierKey;
    /// Our id for it with the desktop ("quick-access").
    QString id;
    /// What it does, for desktops that list shortcuts.
    QString description;

    static const std::array<AppShortcut, 3> &all();
    static const AppShortcut &of(Shortcut shortcut);

    /// The stored value; values of the wrong type read as empty.
    StoredShortcut storedIn(const SettingsStore &settings) const;
    /// True when the settings hold a recorded combination for it: a modifier list that gives a modifier.
    bool isRecordedIn(const SettingsStore &settings) const { return storedIn(settings).isRecorded(); }
};

// The three shortcuts with the desktop: their stored form, their registration and what became of it, and their
// presses. GUI thread only.
class AppShortcuts : public QObject {
    Q_OBJECT

public:
    AppShortcuts(SettingsStore &settings, GlobalShortcuts &desktop, QObject *parent = nullptr);
    /// Gives every shortcut back to the desktop.
    ~AppShortcuts() override;

    /// Registers every recorded shortcut (launch). A stored value that names no usable key is left as it is in the
    /// settings and not registered; its status says why.
    void registerStored();
    /// Registers a combination as the shortcut, replacing the one it had. The status is also kept (statusOf).
    ShortcutStatus registerShortcut(Shortcut shortcut, QKeyCombination keys);
    /// Gives the shortcut back to the desktop; it has no status then.
    void unregisterShortcut(Shortcut shortcut);
    /// Where the shortcut stands with the desktop; none while it is not recorded (or not yet registered).
    std::optional<ShortcutStatus> statusOf(Shortcut shortcut) const;
    /// The combination registered for it; none while it has none.
    std::optional<QKeyCombination> registeredKeys(Shortcut shortcut) const;

    /// The stored value of the shortcut.
    StoredShortcut stored(Shortcut shortcut) const;
    /// Writes a recorded combination; false (nothing written) when the stored form cannot name its key.
    bool store(Shortcut shortcut, QKeyCombination keys);
    /// Removes both stored values of the shortcut.
    void removeStored(Shortcut shortcut);

Q_SIGNALS:
    /// The shortcut was pressed.
    void activated(tavrin::Shortcut shortcut);
    /// The shortcut's status changed: registered, refused, decided later by the desktop, lost, or unregistered
    /// (none).
    void statusChanged(tavrin::Shortcut shortcut, const std::optional<tavrin::ShortcutStatus> &status);

private:
    struct Registration {
        std::optional<QKeyCombination> keys;  // none when the stored value names no usable key
        ShortcutStatus status;
    };

    void setStatus(Shortcut shortcut, std::optional<Registration> registration);
    std::optional<Shortcut> shortcutWithId(const QString &id) const;

    SettingsStore &m_settings;
    GlobalShortcuts &m_desktop;
    std::array<std::optional<Registration>, kShortcuts.size()> m_registrations;
};

}  // namespace tavrin
