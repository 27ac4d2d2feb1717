// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/NotificationCenter.h"

#include <QList>
#include <QMultiHash>
#include <QPair>

namespace tavrin {

// Delivers posted notifications to observers of this process at once and records them.
class FakeNotificationCenter final : public NotificationCenter {
public:
    void post(const QString &name, const QString &object) override
    {
        posted.append({name, object});
        const auto observers = m_observers.values(name);
        for (const Observer &observer : observers)
            observer(object);
    }
    void addObserver(const QString &name, Observer observer) override { m_observers.insert(name, std::move(observer)); }

    QList<QPair<QString, QString>> posted;

private:
    QMultiHash<QString, Observer> m_observers;
};

}  // namespace tavrin
