// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

// The few XKB requests the backend sends. They are C: xcb's XKB header names a field "explicit", which C++ cannot
// compile.
#ifdef __cplusplus
extern "C" {
#endif

/// XKB's event subtype (the second byte of an XKB event) of a new keyboard, and of a changed keyboard map.
extern const uint8_t tavrin_xkb_new_keyboard_notify;
extern const uint8_t tavrin_xkb_map_notify;

/// Asks for the core keyboard's layout changes: new keyboards (setxkbmap) and changed maps (xmodmap).
void tavrin_xkb_select_layout_events(xcb_connection_t *connection);
/// A held key then repeats as presses alone, without a release before each.
void tavrin_xkb_detect_auto_repeat(xcb_connection_t *connection);

#ifdef __cplusplus
}
#endif
