// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/XcbSupport.h"

#include <poll.h>
#include <unistd.h>

#include <cstring>

namespace tavrin::xcb {

Connection::Connection(const char *displayName)
{
    int screenNumber = 0;
    m_connection = xcb_connect(displayName, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        return;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (it.rem)
        m_root = it.data->root;
}

Connection::~Connection()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

std::vector<xcb_atom_t> Connection::atoms(const std::vector<const char *> &names) const
{
    std::vector<xcb_intern_atom_cookie_t> cookies;
    cookies.reserve(names.size());
    for (const char *name : names)
        cookies.push_back(xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name));
    std::vector<xcb_atom_t> result;
    result.reserve(names.size());
    for (const auto &cookie : cookies) {
        Ptr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr));
        result.push_back(reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE));
    }
    return result;
}

xcb_window_t Connection::createHelperWindow() const
{
    const xcb_window_t window = xcb_generate_id(m_connection);
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    return window;
}

Ptr<xcb_generic_event_t> Connection::waitForEvent(Clock::time_point deadline,
                                                  const std::function<bool(const xcb_generic_event_t *)> &accept,
                                                  int wakeFd) const
{
    for (;;) {
        while (xcb_generic_event_t *raw = xcb_poll_for_event(m_connection)) {
            Ptr<xcb_generic_event_t> event(raw);
            if (accept(event.get()))
                return event;
        }
        if (xcb_connection_has_error(m_connection))
            return nullptr;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return nullptr;
        pollfd fds[2] = {{xcb_get_file_descriptor(m_connection), POLLIN, 0}, {wakeFd, POLLIN, 0}};
        ::poll(fds, wakeFd >= 0 ? 2 : 1, int(std::min<long long>(left, 1000)));
        if (wakeFd >= 0 && (fds[1].revents & POLLIN)) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = ::read(wakeFd, &count, sizeof count);
            return nullptr;
        }
    }
}

}  // namespace tavrin::xcb
