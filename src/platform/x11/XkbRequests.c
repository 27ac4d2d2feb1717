// SPDX-License-Identifier: GPL-3.0-or-later
#include "XkbRequests.h"

#include <xcb/xkb.h>

const uint8_t tavrin_xkb_new_keyboard_notify = XCB_XKB_NEW_KEYBOARD_NOTIFY;
const uint8_t tavrin_xkb_map_notify = XCB_XKB_MAP_NOTIFY;

void tavrin_xkb_select_layout_events(xcb_connection_t *connection)
{
    const uint16_t events = XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
    const uint16_t parts = XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP |
                           XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS | XCB_XKB_MAP_PART_KEY_ACTIONS |
                           XCB_XKB_MAP_PART_VIRTUAL_MODS | XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
    xcb_xkb_select_events(connection, XCB_XKB_ID_USE_CORE_KBD, events, 0, events, parts, parts, 0);
}

void tavrin_xkb_detect_auto_repeat(xcb_connection_t *connection)
{
    const uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_discard_reply(connection,
                      xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0).sequence);
}
