#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace tavrin {

class SettingsStore;

// Modifier flags and key codes of the paste keystroke, in the key model's own numbering.
namespace keycodes {
inline constexpr std::uint16_t kShiftPosition = 56;  // the key that brackets the chord
inline constexpr std::uint16_t kV = 9;
inline constexpr std::uint16_t kInsert = 0x72;  // the Help position, Insert on PC keyboards
inline constexpr std::uint64_t kCommandFlag = 0x100000;
inline constexpr std::uint64_t kShiftFlag = 0x20000;
}  // namespace keycodes

// The key and flags that make the window in front paste the clipboard.
struct PasteChord {
    std::uint16_t keyCode = keycodes::kV;
    std::uint64_t flags = keycodes::kCommandFlag;
    /// The window pastes the primary selection, which must then carry the same content.
    bool usesPrimarySelection = false;
    bool operator==(const PasteChord &) const = default;
};

// Chooses the chord by the window's class: most terminals paste on Command-Shift-V (Ctrl+Shift+V), xterm and its
// kin on Shift-Insert from the primary selection, everything else on Command-V. Both class lists live in the
// settings, so a user can add a terminal.
class PasteChords {
public:
    explicit PasteChords(SettingsStore &settings);

    static QStringList defaultShiftCommandClasses();
    static QStringList defaultPrimarySelectionClasses();

    /// The chord for a window class (compared without case); an unknown or empty class gets Command-V.
    PasteChord forWindowClass(const QString &windowClass) const;

private:
    QStringList classes(const QString &key, const QStringList &defaults) const;

    SettingsStore &m_settings;
};

}  // namespace tavrin
