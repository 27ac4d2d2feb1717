// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QString>
#include <QStringList>

namespace tavrin {

class SettingsStore;

// The keys that make the window in front paste the clipboard.
struct PasteChord {
    QKeyCombination keys{Qt::ControlModifier, Qt::Key_V};
    /// The window pastes the primary selection, which must then carry the same content.
    bool usesPrimarySelection = false;
    bool operator==(const PasteChord &) const = default;
};

// Chooses the keys by the window's class: most terminals paste on Ctrl+Shift+V, xterm and its kin on Shift+Insert
// from the primary selection, everything else on Ctrl+V. Both class lists live in the settings, so a user can add a
// terminal.
class PasteChords {
public:
    explicit PasteChords(SettingsStore &settings);

    /// The chord for a window class (compared without case); an unknown or empty class gets Ctrl+V.
    PasteChord forWindowClass(const QString &windowClass) const;

private:
    QStringList classes(const QString &key) const;

    SettingsStore &m_settings;
};

}  // namespace tavrin
