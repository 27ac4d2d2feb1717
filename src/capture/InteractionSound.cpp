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
    if (const auto stored = m_settings.boolValue(keys::soundEnabled)) {
        m_enabled = *stored;
    } else {
        m_enabled = true;
        m_settings.setBool(keys::soundEnabled, true);
    }
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
