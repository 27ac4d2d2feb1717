// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/InteractionSound.h"

#include "platform/SoundPlayer.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

InteractionSound::InteractionSound(SettingsStore &settings, SoundPlayer &player)
    : m_settings(settings), m_player(player)
{
}

void InteractionSound::load()
{
    m_settings.storeDefaultIfMissing(keys::soundEnabled);
    m_enabled = m_settings.flag(keys::soundEnabled);
}

void InteractionSound::setEnabled(bool enabled)
{
    m_enabled = enabled;
    m_settings.setBool(keys::soundEnabled, enabled);
}

void InteractionSound::play(const QString &name)
{
    if (m_enabled)
        m_player.play(name);
}

}  // namespace tavrin
