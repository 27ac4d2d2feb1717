// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

// Short feedback sounds by name: "Frog", "Ping", "Pop", from the program's own sound files.
class SoundPlayer {
public:
    SoundPlayer() = default;
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;
    virtual ~SoundPlayer() = default;

    /// Starts the named sound and returns at once; unknown names and missing sound devices are ignored.
    virtual void play(const QString &name) = 0;
};

}  // namespace tavrin
