// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

// Short notices to the user outside the program's windows (a desktop notification bubble).
class DesktopNotifier {
public:
    DesktopNotifier() = default;
    DesktopNotifier(const DesktopNotifier &) = delete;
    DesktopNotifier &operator=(const DesktopNotifier &) = delete;
    virtual ~DesktopNotifier() = default;

    /// Shows a notice and returns at once. Where no notification service runs, the notice is logged instead.
    virtual void notify(const QString &summary, const QString &body) = 0;
};

}  // namespace tavrin
