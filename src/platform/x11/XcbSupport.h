// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace tavrin::xcb {

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
/// A reply or event owned as xcb hands it out (malloc'ed).
template <typename T> using Ptr = std::unique_ptr<T, FreeDeleter>;

using Clock = std::chrono::steady_clock;

// One private connection to the X server and its first screen.
class Connection {
public:
    /// Connects to the named display, $DISPLAY when null; check isValid().
    explicit Connection(const char *displayName = nullptr);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool isValid() const { return m_connection && !xcb_connection_has_error(m_connection); }
    xcb_connection_t *get() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    /// Interns the names in one round trip; XCB_ATOM_NONE for any that failed.
    std::vector<xcb_atom_t> atoms(const std::vector<const char *> &names) const;
    xcb_atom_t atom(const char *name) const { return atoms({name}).front(); }
    /// An unmapped window for selections and property transfers, reporting property changes.
    xcb_window_t createHelperWindow() const;

    /// Waits up to the deadline for an event the predicate accepts (others are dropped); null at the deadline, on a
    /// broken connection, or as soon as wakeFd (when not -1) is readable; a wake is consumed.
    Ptr<xcb_generic_event_t> waitForEvent(Clock::time_point deadline,
                                          const std::function<bool(const xcb_generic_event_t *)> &accept,
                                          int wakeFd = -1) const;

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
};

/// The event type without the "sent by SendEvent" bit.
inline std::uint8_t eventType(const xcb_generic_event_t *event)
{
    return event->response_type & 0x7f;
}

}  // namespace tavrin::xcb
