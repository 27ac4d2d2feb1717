// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

class SettingsStore;
class SoundPlayer;

// The interaction-sound flag ("userdeafultsSoundEnable") and the one way every feature plays its feedback sound.
class InteractionSound {
public:
    InteractionSound(SettingsStore &settings, SoundPlayer &player);
    InteractionSound(const InteractionSound &) = delete;
    InteractionSound &operator=(const InteractionSound &) = delete;

    /// Launch: takes the stored boolean, or stores true when there is none.
    void load();
    bool isEnabled() const { return m_enabled; }
    /// The preferences' checkbox: stores and applies the choice.
    void setEnabled(bool enabled);
    /// Plays "Frog", "Ping" or "Pop" while sounds are on.
    void play(const QString &name);

private:
    SettingsStore &m_settings;
    SoundPlayer &m_player;
    bool m_enabled = true;
};

}  // namespace tavrin
