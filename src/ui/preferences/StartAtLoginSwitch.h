// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LoginItems.h"

#include <optional>

namespace tavrin {

class SettingsStore;

// Starting the program with the session, as the Preferences and the welcome steps switch it: the desktop is asked
// first, and the choice is remembered only when the desktop took it.
class StartAtLoginSwitch {
public:
    /// loginItems is null where the desktop cannot start programs with the session.
    StartAtLoginSwitch(SettingsStore &settings, LoginItems *loginItems);

    /// False where the desktop cannot start programs with the session: the check boxes are then disabled.
    bool isAvailable() const { return m_loginItems != nullptr; }
    /// The remembered choice ("LoginStartStatus"); none when nothing, or a value of another type, is stored.
    std::optional<bool> storedChoice() const;
    /// Asks the desktop, logs the outcome and on success remembers the choice. A backend without login items fails
    /// with the reason.
    LoginItems::Change setEnabled(bool enabled);

private:
    SettingsStore &m_settings;
    LoginItems *m_loginItems;
};

}  // namespace tavrin
