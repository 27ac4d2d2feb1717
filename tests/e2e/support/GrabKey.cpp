// SPDX-License-Identifier: GPL-3.0-or-later
// Another X client that holds a key combination: grabs a keysym with a modifier mask on the root window, says
// "grabbed" on standard output, then "pressed" for each press of the combination, and keeps the grab until its
// standard input closes or it is terminated.
//
// usage: tavrin-test-grabkey KEYSYM-HEX MODIFIER-MASK
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s KEYSYM-HEX MODIFIER-MASK\n", argv[0]);
        return 2;
    }
    const auto keysym = xcb_keysym_t(std::strtoul(argv[1], nullptr, 16));
    const auto modifiers = std::uint16_t(std::strtoul(argv[2], nullptr, 0));
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);
    xcb_keycode_t *keycodes = xcb_key_symbols_get_keycode(symbols, keysym);
    if (!keycodes) {
        std::fprintf(stderr, "keysym not on the keyboard\n");
        return 1;
    }
    for (const xcb_keycode_t *code = keycodes; *code != XCB_NO_SYMBOL; ++code) {
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(connection, 0, root, modifiers, *code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
            std::fprintf(stderr, "grab refused (error %d)\n", error->error_code);
            return 1;
        }
    }
    std::free(keycodes);
    std::puts("grabbed");
    std::fflush(stdout);
    xcb_flush(connection);
    pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {xcb_get_file_descriptor(connection), POLLIN, 0}};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
                std::puts("pressed");
                std::fflush(stdout);
            }
            std::free(event);
        }
        if (poll(watched, 2, -1) < 0 || xcb_connection_has_error(connection))
            break;
        char buffer[64];
        if ((watched[0].revents & (POLLIN | POLLHUP)) && read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            break;
    }
    xcb_key_symbols_free(symbols);
    xcb_disconnect(connection);
    return 0;
}
