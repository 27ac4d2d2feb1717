// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopNotifier.h"

#include <QList>
#include <QPair>

namespace tavrin {

// Records the notices instead of showing them.
class FakeNotifier final : public DesktopNotifier {
public:
    void notify(const QString &summary, const QString &body) override { notices.append({summary, body}); }

    /// Every notice, oldest first: summary and body.
    QList<QPair<QString, QString>> notices;
};

}  // namespace tavrin
