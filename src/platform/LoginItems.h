#pragma once

#include <QString>

namespace tavrin {

// Starting the launcher at login (stands in for SMLoginItemSetEnabled).
class LoginItems {
public:
    LoginItems() = default;
    LoginItems(const LoginItems &) = delete;
    LoginItems &operator=(const LoginItems &) = delete;
    virtual ~LoginItems() = default;

    /// Enables or disables the login item of the given launcher identifier; false on failure.
    virtual bool setLoginItemEnabled(const QString &identifier, bool enabled) = 0;
};

}  // namespace tavrin
