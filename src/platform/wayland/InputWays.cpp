// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/InputWays.h"

namespace tavrin {

WayChoice chooseWay(const QList<InputWay> &ways, const QString &withoutAny)
{
    WayChoice choice;
    QStringList notOffered;
    for (int i = 0; i < ways.size(); ++i) {
        const InputWay &way = ways.at(i);
        if (choice.chosen >= 0) {
            choice.feature.otherWays.append(QStringLiteral("%1: not needed").arg(way.name));
            continue;
        }
        const InputWay::Offer offer = way.probe();
        if (offer.offered) {
            choice.chosen = i;
            choice.feature.available = true;
            choice.feature.detail = offer.detail;
            choice.feature.otherWays = notOffered;
        } else {
            notOffered.append(QStringLiteral("%1: %2").arg(way.name, offer.detail));
        }
    }
    if (choice.chosen < 0) {
        choice.feature.detail = withoutAny;
        choice.feature.otherWays = notOffered;
    }
    return choice;
}

}  // namespace tavrin
