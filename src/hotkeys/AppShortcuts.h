#pragma once

#include "hotkeys/ModifierFlags.h"

#include <QList>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace tavrin {

class HotKey;
class HotKeysController;
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

// Where one of the three shortcuts is stored.
struct AppShortcut {
    Shortcut shortcut;
    QString keyNameKey;
    QString modifierKey;

    static const std::array<AppShortcut, 3> &all();
    static const AppShortcut &of(Shortcut shortcut);

    /// True when the settings hold a recorded combination for it: a modifier list that gives a modifier.
    bool isRecordedIn(const SettingsStore &settings) const;
};

// Whoever holds the registered shortcuts (the application delegate's three properties). Storing a hot key
// installs its key-down action; storing null releases, and so unregisters, the previous one.
class ShortcutHotKeyHolder {
public:
    virtual ~ShortcutHotKeyHolder() = default;
    virtual std::shared_ptr<HotKey> shortcutHotKey(Shortcut shortcut) const = 0;
    virtual void setShortcutHotKey(Shortcut shortcut, std::shared_ptr<HotKey> hotKey) = 0;
};

// The shared state and routines of the three recorded shortcuts: loading from the settings, registering and
// unregistering. Main thread only.
class AppShortcuts {
public:
    // Stored modifier codes.
    static constexpr std::int64_t commandCode = 11;
    static constexpr std::int64_t controlCode = 12;
    static constexpr std::int64_t optionCode = 13;
    static constexpr std::int64_t shiftCode = 14;

    AppShortcuts(SettingsStore &settings, HotKeysController &hotKeys, ShortcutHotKeyHolder &holder);

    /// The key name and modifiers being loaded, recorded or registered.
    QString shortcutKeyName;
    ModifierFlags shortcutModifiers;

    /// Fills shortcutKeyName and shortcutModifiers from the settings; values of the wrong type read as empty.
    void loadShortcut(const QString &keyNameKey, const QString &modifierKey);
    /// Registers shortcutKeyName with shortcutModifiers as the shortcut (a name no key accepts gives the A key).
    void registerShortcut(Shortcut shortcut);
    /// Drops the shortcut's hot key, which unregisters it.
    void unregisterShortcut(Shortcut shortcut);

    /// Writes a recorded shortcut: the key name and the modifier codes in the order Control, Option, Shift, Command.
    void storeShortcut(Shortcut shortcut, const QString &keyName, ModifierFlags modifiers);
    /// Removes both stored values of the shortcut.
    void removeStoredShortcut(Shortcut shortcut);

    static ModifierFlags modifiersFromCodes(const QList<std::int64_t> &codes);
    static QList<std::int64_t> codesFromModifiers(ModifierFlags modifiers);

private:
    SettingsStore &m_settings;
    HotKeysController &m_hotKeys;
    ShortcutHotKeyHolder &m_holder;
};

}  // namespace tavrin
