#include "hotkeys/AppShortcuts.h"

#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "hotkeys/KeyCombo.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

namespace {

struct CodedModifier {
    std::int64_t code;
    std::uint64_t flag;
};

// The order the recorder writes the codes in.
constexpr CodedModifier kCodedModifiers[] = {
    {AppShortcuts::controlCode, ModifierFlags::control},
    {AppShortcuts::optionCode, ModifierFlags::option},
    {AppShortcuts::shiftCode, ModifierFlags::shift},
    {AppShortcuts::commandCode, ModifierFlags::command},
};

}  // namespace

const std::array<AppShortcut, 3> &AppShortcut::all()
{
    static const std::array<AppShortcut, 3> shortcuts{{
        {Shortcut::quickAccess, keys::quickAccessKeyName, keys::quickAccessModifiers},
        {Shortcut::toggleSequentialMode, keys::toggleSequentialKeyName, keys::toggleSequentialModifiers},
        {Shortcut::sequentialPaste, keys::sequentialPasteKeyName, keys::sequentialPasteModifiers},
    }};
    return shortcuts;
}

const AppShortcut &AppShortcut::of(Shortcut shortcut)
{
    return all()[shortcutIndex(shortcut)];
}

bool AppShortcut::isRecordedIn(const SettingsStore &settings) const
{
    const auto codes = settings.integerArray(modifierKey);
    return codes && !AppShortcuts::modifiersFromCodes(*codes).isEmpty();
}

AppShortcuts::AppShortcuts(SettingsStore &settings, HotKeysController &hotKeys, ShortcutHotKeyHolder &holder)
    : m_settings(settings), m_hotKeys(hotKeys), m_holder(holder)
{
}

void AppShortcuts::loadShortcut(const QString &keyNameKey, const QString &modifierKey)
{
    shortcutModifiers = ModifierFlags();
    shortcutKeyName.clear();
    if (const auto name = m_settings.string(keyNameKey))
        shortcutKeyName = *name;
    if (const auto codes = m_settings.integerArray(modifierKey))
        shortcutModifiers = modifiersFromCodes(*codes);
}

void AppShortcuts::registerShortcut(Shortcut shortcut)
{
    const KeyCombo combo(shortcutKeyName, shortcutModifiers);
    // The previous hot key goes first: it may hold this very combination, which would refuse the new one.
    m_holder.setShortcutHotKey(shortcut, nullptr);
    m_holder.setShortcutHotKey(shortcut, HotKey::create(m_hotKeys, combo));
}

void AppShortcuts::unregisterShortcut(Shortcut shortcut)
{
    m_holder.setShortcutHotKey(shortcut, nullptr);
}

void AppShortcuts::storeShortcut(Shortcut shortcut, const QString &keyName, ModifierFlags modifiers)
{
    const AppShortcut &stored = AppShortcut::of(shortcut);
    m_settings.setString(stored.keyNameKey, keyName);
    m_settings.setIntegerArray(stored.modifierKey, codesFromModifiers(modifiers));
}

void AppShortcuts::removeStoredShortcut(Shortcut shortcut)
{
    const AppShortcut &stored = AppShortcut::of(shortcut);
    m_settings.remove(stored.keyNameKey);
    m_settings.remove(stored.modifierKey);
}

ModifierFlags AppShortcuts::modifiersFromCodes(const QList<std::int64_t> &codes)
{
    ModifierFlags modifiers;
    for (const std::int64_t code : codes) {
        for (const CodedModifier &m : kCodedModifiers) {
            if (m.code == code)
                modifiers.insert(m.flag);
        }
    }
    return modifiers;
}

QList<std::int64_t> AppShortcuts::codesFromModifiers(ModifierFlags modifiers)
{
    QList<std::int64_t> codes;
    for (const CodedModifier &m : kCodedModifiers) {
        if (modifiers.contains(m.flag))
            codes.append(m.code);
    }
    return codes;
}

}  // namespace tavrin
