// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopCapabilities.h"

#include <QList>
#include <QString>

#include <functional>

namespace tavrin {

// The ways a Wayland session may let the program type keys or take shortcuts, tried in order of preference: the
// first the session offers is used, and the others are listed with why each is not (not offered, or not needed).
struct InputWay {
    struct Offer {
        bool offered = false;
        /// How it works when offered ("keys are typed through ..."); why it is not offered otherwise.
        QString detail;
    };

    /// What it is, for a user ("the compositor's virtual keyboard").
    QString name;
    /// Asks the session; only called while no earlier way was offered, so a way not needed is never started.
    std::function<Offer()> probe;
};

struct WayChoice {
    /// The index of the way in use, -1 when none is offered.
    int chosen = -1;
    DesktopCapabilities::Feature feature;
};

/// The first offered way; without any, the feature is unavailable and says withoutAny, then why each was not offered.
WayChoice chooseWay(const QList<InputWay> &ways, const QString &withoutAny);

}  // namespace tavrin
