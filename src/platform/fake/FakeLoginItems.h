// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LoginItems.h"

#include <QList>
#include <QPair>

namespace tavrin {

// Records login-item requests and answers with a settable result.
class FakeLoginItems final : public LoginItems {
public:
    Change setLoginItemEnabled(const QString &identifier, bool enable) override
    {
        requests.append({identifier, enable});
        if (!succeeds)
            return Change{false, failureReason};
        enabled = enable;
        return Change{true, {}};
    }

    QList<QPair<QString, bool>> requests;
    bool succeeds = true;
    QString failureReason = QStringLiteral("the autostart folder is read-only");
    bool enabled = false;
};

}  // namespace tavrin
