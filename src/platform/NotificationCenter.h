// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace tavrin {

// Notifications between processes of the same user (a D-Bus signal on the session bus).
class NotificationCenter {
public:
    using Observer = std::function<void(const QString &object)>;

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter &) = delete;
    NotificationCenter &operator=(const NotificationCenter &) = delete;
    virtual ~NotificationCenter() = default;

    /// Posts the named notification with an object text; fire and forget.
    virtual void post(const QString &name, const QString &object) = 0;
    /// Runs observer on the GUI thread for each later notification of that name.
    virtual void addObserver(const QString &name, Observer observer) = 0;
};

}  // namespace tavrin
