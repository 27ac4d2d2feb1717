// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preferences/StartAtLoginSwitch.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/UiLog.h"

namespace tavrin {

StartAtLoginSwitch::StartAtLoginSwitch(SettingsStore &settings, LoginItems *loginItems)
    : m_settings(settings), m_loginItems(loginItems)
{
}

std::optional<bool> StartAtLoginSwitch::storedChoice() const
{
    return m_settings.boolValue(keys::startAtLogin);
}

LoginItems::Change StartAtLoginSwitch::setEnabled(bool enabled)
{
    LoginItems::Change change =
        m_loginItems ? m_loginItems->setLoginItemEnabled(QString::fromLatin1(LoginItems::kLauncherIdentifier), enabled)
                     : LoginItems::Change{false, QStringLiteral(QT_TRANSLATE_NOOP(
                                                     "DesktopReasons", "this desktop cannot start programs at login"))};
    if (!change.succeeded) {
        // Said for the direction that failed: turning it off can fail too.
        qCWarning(lcUi).noquote() << (enabled ? "Failed to add login item." : "Failed to remove login item.")
                                  << change.reason;
        return change;
    }
    qCInfo(lcUi) << (enabled ? "Successfully add login item." : "Successfully remove login item.");
    m_settings.setBool(keys::startAtLogin, enabled);
    return change;
}

}  // namespace tavrin
