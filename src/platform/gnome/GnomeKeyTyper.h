// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyEventPoster.h"
#include "platform/gnome/GnomeAccelerator.h"

#include <QKeyCombination>

namespace tavrin {

class GnomeShellLink;

// Types key combinations into the focused window through the Shell extension's virtual keyboard, the one way GNOME
// lets a program type. The keys are pressed in order and released in reverse inside the Shell, so a combination
// arrives whole; the user's own held keys are not lifted.
class GnomeKeyTyper final : public KeyEventPoster {
public:
    explicit GnomeKeyTyper(GnomeShellLink &link) : m_link(link) {}

    /// False when the extension is not there or refused.
    bool typeKeys(QKeyCombination keys) override;
    bool typeAccelerator(const GnomeAccelerator &accelerator);
    bool isAvailable() const;

private:
    GnomeShellLink &m_link;
};

}  // namespace tavrin
