// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <cstdint>

namespace tavrin::e2e {

// Looks at the display's keyboard from a connection of the test's own.

/// The modifier and lock state of the keyboard now (Shift 0x1, Lock 0x2, Control 0x4, Mod1 0x8, Mod2 0x10, ...).
std::uint16_t keyboardState();
/// The first keycode that types the keysym in the current keymap, 0 when none does.
std::uint8_t keycodeForKeysym(std::uint32_t keysym);

// Another X client holding a key combination (tavrin-test-grabkey, $TAVRIN_GRABKEY) for as long as it lives.
class OtherClientGrab {
public:
    /// Grabs the keysym with the X modifier mask; true once the grab is held.
    bool start(std::uint32_t keysym, std::uint16_t modifiers);
    /// Waits until the client has been given a press of its combination.
    bool waitForPress(int timeoutMs = 5000);
    ~OtherClientGrab();

private:
    QProcess m_process;
};

}  // namespace tavrin::e2e
