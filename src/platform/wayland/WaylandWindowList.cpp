// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandWindowList.h"

#include "platform/wayland/WaylandDisplay.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <QSocketNotifier>

#include <poll.h>

#include <algorithm>

namespace tavrin {

namespace {
auto *manager(wl_proxy *proxy)
{
    return reinterpret_cast<zwlr_foreign_toplevel_manager_v1 *>(proxy);
}
auto *handle(wl_proxy *proxy)
{
    return reinterpret_cast<zwlr_foreign_toplevel_handle_v1 *>(proxy);
}
}  // namespace

WaylandWindowList::WaylandWindowList(QStringList ownAppIds, const char *display, QObject *parent)
    : QObject(parent), m_ownAppIds(std::move(ownAppIds)), m_display(std::make_unique<WaylandDisplay>(display))
{
    if (!m_display->isValid())
        return;
    m_manager = m_display->bind("zwlr_foreign_toplevel_manager_v1", &zwlr_foreign_toplevel_manager_v1_interface, 3);
    m_seat = m_display->bind("wl_seat", &wl_seat_interface, 1);
    if (!m_manager || !m_seat)
        return;
    static const zwlr_foreign_toplevel_manager_v1_listener listener = {
        [](void *data, zwlr_foreign_toplevel_manager_v1 *m, zwlr_foreign_toplevel_handle_v1 *h) {
            onToplevel(data, reinterpret_cast<wl_proxy *>(m), reinterpret_cast<wl_proxy *>(h));
        },
        [](void *data, zwlr_foreign_toplevel_manager_v1 *m) { onFinished(data, reinterpret_cast<wl_proxy *>(m)); },
    };
    zwlr_foreign_toplevel_manager_v1_add_listener(manager(m_manager), &listener, this);
    m_display->roundtrip();  // the windows there are now, with their state
    m_notifier = new QSocketNotifier(wl_display_get_fd(m_display->get()), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &WaylandWindowList::dispatch);
}

WaylandWindowList::~WaylandWindowList()
{
    for (auto &[id, window] : m_windows)
        zwlr_foreign_toplevel_handle_v1_destroy(handle(window.handle));
    if (m_manager)
        wl_proxy_destroy(m_manager);
    if (m_seat)
        wl_proxy_destroy(m_seat);
    if (m_display->isValid())
        wl_display_flush(m_display->get());
}

bool WaylandWindowList::isValid() const
{
    return m_manager && m_display->isValid();
}

void WaylandWindowList::dispatch()
{
    // A round trip may have read the data this notice was about: read only what is there, never wait for more.
    wl_display *display = m_display->get();
    bool ok = true;
    while (ok && wl_display_prepare_read(display) != 0)
        ok = wl_display_dispatch_pending(display) >= 0;
    if (ok) {
        pollfd ready{wl_display_get_fd(display), POLLIN, 0};
        if (::poll(&ready, 1, 0) > 0)
            ok = wl_display_read_events(display) >= 0;
        else
            wl_display_cancel_read(display);
        ok = ok && wl_display_dispatch_pending(display) >= 0;
    }
    if (!ok && m_notifier)
        m_notifier->setEnabled(false);  // the connection broke; queries answer "unknown" from now on
}

void WaylandWindowList::sync()
{
    // Answers describe the desktop as it is now, not as the last notice left it.
    if (isValid())
        m_display->roundtrip();
}

WaylandWindowList::Window *WaylandWindowList::find(WindowId id)
{
    const auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : &it->second;
}

WaylandWindowList::WindowId WaylandWindowList::activeWindow()
{
    sync();
    const auto it =
        std::find_if(m_windows.begin(), m_windows.end(), [](const auto &entry) { return entry.second.activated; });
    return it == m_windows.end() ? 0 : it->first;
}

QString WaylandWindowList::appId(WindowId window)
{
    const Window *found = find(window);
    return found ? found->appId : QString();
}

WaylandWindowList::WindowId WaylandWindowList::lastForeignActiveWindow()
{
    sync();
    return find(m_lastForeign) ? m_lastForeign : 0;
}

bool WaylandWindowList::activate(WindowId window)
{
    const Window *found = find(window);
    if (!found || !isValid())
        return false;
    zwlr_foreign_toplevel_handle_v1_activate(handle(found->handle), reinterpret_cast<wl_seat *>(m_seat));
    return m_display->roundtrip();
}

void WaylandWindowList::noteActivation(WindowId id)
{
    const Window *window = find(id);
    if (window && !m_ownAppIds.contains(window->appId))
        m_lastForeign = id;
}

void WaylandWindowList::onToplevel(void *data, wl_proxy *, wl_proxy *proxy)
{
    auto *self = static_cast<WaylandWindowList *>(data);
    const WindowId id = self->m_nextId++;
    self->m_windows[id].handle = proxy;
    static const zwlr_foreign_toplevel_handle_v1_listener listener = {
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h, const char *t) {
            onTitle(d, reinterpret_cast<wl_proxy *>(h), t);
        },
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h, const char *a) {
            onAppId(d, reinterpret_cast<wl_proxy *>(h), a);
        },
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h, wl_output *o) {
            onOutput(d, reinterpret_cast<wl_proxy *>(h), reinterpret_cast<wl_proxy *>(o));
        },
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h, wl_output *o) {
            onOutput(d, reinterpret_cast<wl_proxy *>(h), reinterpret_cast<wl_proxy *>(o));
        },
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h, wl_array *s) {
            onState(d, reinterpret_cast<wl_proxy *>(h), s);
        },
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h) { onDone(d, reinterpret_cast<wl_proxy *>(h)); },
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h) { onClosed(d, reinterpret_cast<wl_proxy *>(h)); },
        [](void *d, zwlr_foreign_toplevel_handle_v1 *h, zwlr_foreign_toplevel_handle_v1 *p) {
            onParent(d, reinterpret_cast<wl_proxy *>(h), reinterpret_cast<wl_proxy *>(p));
        },
    };
    zwlr_foreign_toplevel_handle_v1_add_listener(handle(proxy), &listener, self);
}

void WaylandWindowList::onFinished(void *data, wl_proxy *)
{
    auto *self = static_cast<WaylandWindowList *>(data);
    // The compositor stopped listing windows; the handles it sent are still ours to destroy.
    wl_proxy_destroy(self->m_manager);
    self->m_manager = nullptr;
}

void WaylandWindowList::onTitle(void *, wl_proxy *, const char *) {}
void WaylandWindowList::onOutput(void *, wl_proxy *, wl_proxy *) {}
void WaylandWindowList::onParent(void *, wl_proxy *, wl_proxy *) {}

void WaylandWindowList::onAppId(void *data, wl_proxy *proxy, const char *appId)
{
    auto *self = static_cast<WaylandWindowList *>(data);
    for (auto &[id, window] : self->m_windows) {
        if (window.handle == proxy)
            window.appId = QString::fromUtf8(appId);
    }
}

void WaylandWindowList::onState(void *data, wl_proxy *proxy, wl_array *state)
{
    auto *self = static_cast<WaylandWindowList *>(data);
    bool activated = false;
    const auto *values = static_cast<const std::uint32_t *>(state->data);
    for (std::size_t i = 0; i < state->size / sizeof(std::uint32_t); ++i)
        activated = activated || values[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
    for (auto &[id, window] : self->m_windows) {
        if (window.handle == proxy)
            window.pendingActivated = activated;
    }
}

void WaylandWindowList::onDone(void *data, wl_proxy *proxy)
{
    auto *self = static_cast<WaylandWindowList *>(data);
    for (auto &[id, window] : self->m_windows) {
        if (window.handle != proxy)
            continue;
        if (window.pendingActivated && !window.activated)
            self->noteActivation(id);
        window.activated = window.pendingActivated;
    }
}

void WaylandWindowList::onClosed(void *data, wl_proxy *proxy)
{
    auto *self = static_cast<WaylandWindowList *>(data);
    std::erase_if(self->m_windows, [&](const auto &entry) {
        if (entry.second.handle != proxy)
            return false;
        zwlr_foreign_toplevel_handle_v1_destroy(handle(proxy));
        return true;
    });
}

}  // namespace tavrin
