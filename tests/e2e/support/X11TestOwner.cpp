// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11TestOwner.h"

#include <xcb/xcb_keysyms.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tavrin::e2e {

namespace {
xcb_atom_t intern(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}
}  // namespace

SilentClipboardOwner::SilentClipboardOwner()
{
    m_connection = xcb_connect(nullptr, nullptr);
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    m_clipboard = intern(m_connection, "CLIPBOARD");
    xcb_set_selection_owner(m_connection, m_window, m_clipboard, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
}

SilentClipboardOwner::~SilentClipboardOwner()
{
    xcb_disconnect(m_connection);
}

bool SilentClipboardOwner::isOwner() const
{
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr);
    const bool owner = reply && reply->owner == m_window;
    std::free(reply);
    return owner;
}

void clearClipboard()
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    xcb_set_selection_owner(c, XCB_WINDOW_NONE, intern(c, "CLIPBOARD"), XCB_CURRENT_TIME);
    xcb_get_input_focus_reply_t *sync = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    std::free(sync);
    xcb_disconnect(c);
}

bool isKeyDown(unsigned keysym)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(c);
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, keysym);
    xcb_query_keymap_reply_t *keymap = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    bool down = false;
    if (codes && keymap)
        down = (keymap->keys[codes[0] / 8] >> (codes[0] % 8)) & 1;
    std::free(keymap);
    std::free(codes);
    xcb_key_symbols_free(symbols);
    xcb_disconnect(c);
    return down;
}

}  // namespace tavrin::e2e
