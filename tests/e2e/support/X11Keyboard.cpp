// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Keyboard.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace tavrin::e2e {

namespace {

template <typename Function> auto withConnection(Function function, decltype(function(nullptr, 0)) fallback)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return fallback;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto result = function(connection, root);
    xcb_disconnect(connection);
    return result;
}

}  // namespace

std::uint16_t keyboardState()
{
    return withConnection(
        [](xcb_connection_t *connection, xcb_window_t root) -> std::uint16_t {
            xcb_query_pointer_reply_t *reply =
                xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
            const std::uint16_t mask = reply ? reply->mask : 0;
            std::free(reply);
            return mask;
        },
        std::uint16_t(0));
}

std::uint8_t keycodeForKeysym(std::uint32_t keysym)
{
    return withConnection(
        [keysym](xcb_connection_t *connection, xcb_window_t) -> std::uint8_t {
            xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);
            xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, keysym);
            const std::uint8_t first = codes ? codes[0] : 0;
            std::free(codes);
            xcb_key_symbols_free(symbols);
            return first;
        },
        std::uint8_t(0));
}

bool OtherClientGrab::start(std::uint32_t keysym, std::uint16_t modifiers)
{
    m_process.start(qEnvironmentVariable("TAVRIN_GRABKEY"), {QString::number(keysym, 16), QString::number(modifiers)});
    if (!m_process.waitForStarted(5000))
        return false;
    while (m_process.waitForReadyRead(5000)) {
        if (m_process.readAllStandardOutput().contains("grabbed"))
            return true;
    }
    return false;
}

bool OtherClientGrab::waitForPress(int timeoutMs)
{
    while (m_process.waitForReadyRead(timeoutMs)) {
        if (m_process.readAllStandardOutput().contains("pressed"))
            return true;
    }
    return false;
}

OtherClientGrab::~OtherClientGrab()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

}  // namespace tavrin::e2e
