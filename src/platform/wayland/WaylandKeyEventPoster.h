// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyEventPoster.h"
#include "platform/common/XkbKeymap.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

struct wl_keyboard;
struct wl_proxy;
struct wl_seat;

namespace tavrin {

class WaylandDisplay;

// Key events through the compositor's virtual keyboard protocol, on a connection of its own used from the caller's
// thread.
//
// One keyboard lives as long as the program, with the user's own keymap (the seat's, else the desktop default), so
// the focused window reads the keys as the user's keyboard would type them; it is warmed up when made, because the
// first keys of a fresh keyboard are often lost. Keys carry exactly the modifiers asked for: this keyboard's modifier
// state is its own, whatever the user holds on theirs.
class WaylandKeyEventPoster final : public KeyEventPoster {
public:
    /// Connects to the named display ($WAYLAND_DISPLAY when null) and makes the keyboard.
    explicit WaylandKeyEventPoster(const char *display = nullptr);
    ~WaylandKeyEventPoster() override;

    /// True when the keyboard was made and the connection works.
    bool isValid() const;
    /// Why it is not valid, for the log.
    QString problem() const { return m_problem; }

    bool typeKeys(QKeyCombination keys) override;

private:
    static void onCapabilities(void *data, wl_seat *seat, std::uint32_t capabilities);
    static void onKeymap(void *data, wl_keyboard *keyboard, std::uint32_t format, std::int32_t fd, std::uint32_t size);

    void followSeatKeymap();
    bool upload(XkbKeymap keymap);
    bool sync();
    void sendModifiers(std::uint32_t depressed);
    std::uint32_t now() const;

    std::unique_ptr<WaylandDisplay> m_display;
    wl_proxy *m_seat = nullptr;
    wl_proxy *m_manager = nullptr;
    wl_proxy *m_keyboard = nullptr;  // the virtual one
    wl_keyboard *m_seatKeyboard = nullptr;  // tells us the user's keymap
    std::optional<XkbKeymap> m_keymap;
    std::string m_seatKeymapText;  // the last keymap the seat announced
    std::string m_uploadedText;
    QString m_problem;
};

}  // namespace tavrin
