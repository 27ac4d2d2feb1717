#pragma once

#include "platform/LoginItems.h"

#include <QList>
#include <QPair>

namespace tavrin {

// Records login-item requests and answers with a settable result.
class FakeLoginItems final : public LoginItems {
public:
    bool setLoginItemEnabled(const QString &identifier, bool enabled) override
    {
        requests.append({identifier, enabled});
        if (succeeds)
            this->enabled = enabled;
        return succeeds;
    }

    QList<QPair<QString, bool>> requests;
    bool succeeds = true;
    bool enabled = false;
};

}  // namespace tavrin
