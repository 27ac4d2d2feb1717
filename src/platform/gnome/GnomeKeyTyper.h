#pragma once

#include "platform/KeyEventPoster.h"
#include "platform/gnome/GnomeAccelerator.h"

#include <QKeyCombination>

namespace tavrin {

class GnomeShellLink;

// Types key combinations into the focused window through the Shell extension's virtual keyboard, the one way GNOME
// lets a program type. The keys are pressed in order and released in reverse inside the Shell, so a combination
// arrives whole; the user's own held keys are not lifted.
class GnomeKeyTyper {
public:
    explicit GnomeKeyTyper(GnomeShellLink &link) : m_link(link) {}

    /// False when the extension is not there or refused.
    bool typeKeys(QKeyCombination keys);
    bool typeAccelerator(const GnomeAccelerator &accelerator);
    bool isAvailable() const;

private:
    GnomeShellLink &m_link;
};

// The paste engine's key events over the typer: a chord is typed whole when its key goes down, and the events that
// bracket it or let it go have nothing left to do.
class GnomeKeyEventPoster final : public KeyEventPoster {
public:
    explicit GnomeKeyEventPoster(GnomeKeyTyper &typer) : m_typer(typer) {}

    bool postKeyEvent(std::uint16_t virtualKeyCode, bool keyDown, std::uint64_t flags) override;

private:
    GnomeKeyTyper &m_typer;
};

}  // namespace tavrin
