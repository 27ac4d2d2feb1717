// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

namespace tavrin {

// Records the names of the sounds played.
class FakeSoundPlayer final : public SoundPlayer {
public:
    void play(const QString &name) override { played.append(name); }

    QStringList played;
};

}  // namespace tavrin
