// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct wl_display;
struct wl_interface;
struct wl_proxy;
struct wl_registry;

namespace tavrin {

// One private connection to the Wayland compositor and the globals it announces. Qt's own connection, if Qt runs
// on Wayland at all, is never touched: the clipboard and the virtual keyboard must work whichever way Qt draws.
class WaylandDisplay {
public:
    struct Global {
        std::uint32_t name = 0;
        std::string interface;
        std::uint32_t version = 0;
    };

    /// Connects to the named display ($WAYLAND_DISPLAY when null) and collects the globals; check isValid().
    explicit WaylandDisplay(const char *name = nullptr);
    ~WaylandDisplay();
    WaylandDisplay(const WaylandDisplay &) = delete;
    WaylandDisplay &operator=(const WaylandDisplay &) = delete;

    /// Connected, and no protocol or socket error so far.
    bool isValid() const;
    wl_display *get() const { return m_display; }
    /// Why the connection failed or broke, for the log; empty while it works.
    std::string errorText() const;

    /// The first announced global of that interface.
    std::optional<Global> find(const char *interface) const;
    /// Binds a global at min(version, what the compositor offers); null when the global is missing.
    wl_proxy *bind(const char *interface, const wl_interface *type, std::uint32_t version);
    /// Sends what is queued and waits until the compositor has handled it; false when the connection broke.
    bool roundtrip();

private:
    static void onGlobal(void *data, wl_registry *registry, std::uint32_t name, const char *interface,
                         std::uint32_t version);
    static void onGlobalRemove(void *data, wl_registry *registry, std::uint32_t name);

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    std::vector<Global> m_globals;
    std::string m_connectError;
};

}  // namespace tavrin
