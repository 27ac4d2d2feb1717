#pragma once

#include "hotkeys/ModifierFlags.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace tavrin {

class HotKey;
class HotKeysController;
class SettingsStore;

// Where one of the three shortcuts is stored. Numbered 1 (quick access), 2 (toggle sequential mode) and
// 3 (sequential paste), the order every search uses.
struct AppShortcut {
    int number;
    QString keyNameKey;
    QString modifierKey;

    static const std::array<AppShortcut, 3> &all();
    static const AppShortcut &withNumber(int n);
};

// Whoever holds the registered shortcuts (the application delegate's three properties). Storing a hot key
// installs its key-down action; storing null releases, and so unregisters, the previous one.
class ShortcutHotKeyHolder {
public:
    virtual ~ShortcutHotKeyHolder() = default;
    virtual std::shared_ptr<HotKey> shortcutHotKey(int n) const = 0;
    virtual void setShortcutHotKey(int n, std::shared_ptr<HotKey> hotKey) = 0;
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
    /// Registers shortcutKeyName with shortcutModifiers as shortcut n (a name no key accepts gives the A key).
    void registerShortcut(int n);
    /// Drops shortcut n's hot key, which unregisters it.
    void unregisterShortcut(int n);

    /// Writes a recorded shortcut: the key name and the modifier codes in the order Control, Option, Shift, Command.
    void storeShortcut(int n, const QString &keyName, ModifierFlags modifiers);
    /// Removes both stored values of shortcut n.
    void removeStoredShortcut(int n);

    static ModifierFlags modifiersFromCodes(const QList<std::int64_t> &codes);
    static QList<std::int64_t> codesFromModifiers(ModifierFlags modifiers);

private:
    SettingsStore &m_settings;
    HotKeysController &m_hotKeys;
    ShortcutHotKeyHolder &m_holder;
};

}  // namespace tavrin
