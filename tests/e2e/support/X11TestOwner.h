// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

namespace tavrin::e2e {

// Another client that takes CLIPBOARD and never answers a request: the owner every reader must survive.
class SilentClipboardOwner {
public:
    SilentClipboardOwner();
    ~SilentClipboardOwner();
    SilentClipboardOwner(const SilentClipboardOwner &) = delete;
    SilentClipboardOwner &operator=(const SilentClipboardOwner &) = delete;

    bool isOwner() const;

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_window = 0;
    xcb_atom_t m_clipboard = 0;
};

/// Leaves CLIPBOARD without an owner, as after a fresh login.
void clearClipboard();

/// True while the key with this X keysym is down on the display (XTest or real).
bool isKeyDown(unsigned keysym);

}  // namespace tavrin::e2e
