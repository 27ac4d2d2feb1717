#pragma once

#include "platform/LoginItems.h"

#include <QList>
#include <QPair>

namespace tavrin {

// Records login-item requests and answers with a settable result.
class FakeLoginItems final : public LoginItems {
public:
    bool setLoginItemEnabled(const QString &identifier, bool enable) override
    {
        requests.append({identifier, enable});
        if (succeeds)
            enabled = enable;
        return succeeds;
    }

    QList<QPair<QString, bool>> requests;
    bool succeeds = true;
    bool enabled = false;
};

}  // namespace tavrin
