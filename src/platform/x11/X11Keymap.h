// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/common/XkbKeymap.h"

#include <xcb/xcb.h>

#include <optional>

namespace tavrin {

// The X server's keyboard layout on one connection, as xkbcommon reads it from the core keyboard, kept current:
// the connection is told of layout changes (XKB events), and each one is read anew.
class X11Keymap {
public:
    /// Turns XKB on for the connection, asks for its layout-change events and reads the layout.
    explicit X11Keymap(xcb_connection_t *connection);

    /// Null when the server has no XKB or the layout could not be read (logged).
    const XkbKeymap *get() const { return m_keymap ? &*m_keymap : nullptr; }
    const XkbKeymap *operator->() const { return get(); }
    explicit operator bool() const { return m_keymap.has_value(); }

    /// True when the event told of a new layout for the core keyboard; the layout has been read again then.
    bool handleEvent(const xcb_generic_event_t *event);

private:
    void reload();

    xcb_connection_t *m_connection = nullptr;
    std::int32_t m_device = -1;
    std::uint8_t m_firstEvent = 0;
    std::optional<XkbKeymap> m_keymap;
};

}  // namespace tavrin
