// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

// Starting the program with the desktop session (the XDG autostart entry).
class LoginItems {
public:
    /// The D-Bus name the login launcher owns while it runs, and the identifier its login item is known by.
    static constexpr const char *kLauncherIdentifier = "io.tavrin.TavrinLauncher";

    /// The outcome of a change; on failure, why, in a short sentence a user can act on.
    struct Change {
        bool succeeded = false;
        QString reason;
    };

    LoginItems() = default;
    LoginItems(const LoginItems &) = delete;
    LoginItems &operator=(const LoginItems &) = delete;
    virtual ~LoginItems() = default;

    /// Enables or disables the login item of the given launcher identifier.
    virtual Change setLoginItemEnabled(const QString &identifier, bool enabled) = 0;
};

}  // namespace tavrin
