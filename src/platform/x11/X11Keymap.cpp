// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Keymap.h"

#include "platform/x11/X11Log.h"
#include "platform/x11/XkbRequests.h"

#include <xkbcommon/xkbcommon-x11.h>

namespace tavrin {

namespace {

// Every XKB event starts like this; xkbType tells which one it is.
struct XkbEventHeader {
    std::uint8_t response_type;
    std::uint8_t xkbType;
    std::uint16_t sequence;
    xcb_timestamp_t time;
    std::uint8_t deviceID;
};

}  // namespace

X11Keymap::X11Keymap(xcb_connection_t *connection) : m_connection(connection)
{
    std::uint8_t firstError = 0;
    if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &m_firstEvent,
                                     &firstError)) {
        qCWarning(lcX11, "the X server has no keyboard extension (XKB); keys cannot be looked up in its layout");
        return;
    }
    m_device = xkb_x11_get_core_keyboard_device_id(connection);
    // A layout change comes as a new keyboard (setxkbmap) or a changed map (xmodmap, a borrowed keycode).
    tavrin_xkb_select_layout_events(connection);
    reload();
}

void X11Keymap::reload()
{
    if (m_device < 0)
        return;
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    m_keymap = XkbKeymap::adopt(
        context, context ? xkb_x11_keymap_new_from_device(context, m_connection, m_device, XKB_KEYMAP_COMPILE_NO_FLAGS)
                         : nullptr);
    if (!m_keymap)
        qCWarning(lcX11, "the keyboard layout of the X server cannot be read");
}

bool X11Keymap::handleEvent(const xcb_generic_event_t *event)
{
    if (m_firstEvent == 0 || (event->response_type & 0x7f) != m_firstEvent)
        return false;
    const auto *xkb = reinterpret_cast<const XkbEventHeader *>(event);
    if (xkb->xkbType == tavrin_xkb_new_keyboard_notify) {
        // The core keyboard may have become another device.
        m_device = xkb_x11_get_core_keyboard_device_id(m_connection);
    } else if (xkb->xkbType != tavrin_xkb_map_notify || xkb->deviceID != m_device) {
        return false;
    }
    reload();
    return true;
}

}  // namespace tavrin
