// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandDisplay.h"

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace tavrin {

WaylandDisplay::WaylandDisplay(const char *name)
{
    const char *socket = name ? name : std::getenv("WAYLAND_DISPLAY");
    if (!socket || !*socket) {
        m_connectError = "WAYLAND_DISPLAY is not set";
        return;
    }
    m_display = wl_display_connect(socket);
    if (!m_display) {
        m_connectError = std::string("cannot connect to ") + socket + ": " + std::strerror(errno);
        return;
    }
    m_registry = wl_display_get_registry(m_display);
    static const wl_registry_listener listener = {&WaylandDisplay::onGlobal, &WaylandDisplay::onGlobalRemove};
    wl_registry_add_listener(m_registry, &listener, this);
    roundtrip();
}

WaylandDisplay::~WaylandDisplay()
{
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display)
        wl_display_disconnect(m_display);
}

bool WaylandDisplay::isValid() const
{
    return m_display && wl_display_get_error(m_display) == 0;
}

std::string WaylandDisplay::errorText() const
{
    if (!m_display)
        return m_connectError;
    const int error = wl_display_get_error(m_display);
    if (error == 0)
        return {};
    if (error != EPROTO)
        return std::string("connection lost: ") + std::strerror(error);
    const wl_interface *interface = nullptr;
    std::uint32_t id = 0;
    const std::uint32_t code = wl_display_get_protocol_error(m_display, &interface, &id);
    return std::string("protocol error ") + std::to_string(code) + " on " + (interface ? interface->name : "?") + "@" +
           std::to_string(id);
}

std::optional<WaylandDisplay::Global> WaylandDisplay::find(const char *interface) const
{
    const auto it = std::find_if(m_globals.begin(), m_globals.end(),
                                 [&](const Global &global) { return global.interface == interface; });
    if (it == m_globals.end())
        return std::nullopt;
    return *it;
}

wl_proxy *WaylandDisplay::bind(const char *interface, const wl_interface *type, std::uint32_t version)
{
    const auto global = find(interface);
    if (!global || !m_registry)
        return nullptr;
    return static_cast<wl_proxy *>(
        wl_registry_bind(m_registry, global->name, type, std::min(version, global->version)));
}

bool WaylandDisplay::roundtrip()
{
    return isValid() && wl_display_roundtrip(m_display) >= 0;
}

void WaylandDisplay::onGlobal(void *data, wl_registry *, std::uint32_t name, const char *interface,
                              std::uint32_t version)
{
    static_cast<WaylandDisplay *>(data)->m_globals.push_back(Global{name, interface, version});
}

void WaylandDisplay::onGlobalRemove(void *data, wl_registry *, std::uint32_t name)
{
    std::erase_if(static_cast<WaylandDisplay *>(data)->m_globals,
                  [name](const Global &global) { return global.name == name; });
}

}  // namespace tavrin
