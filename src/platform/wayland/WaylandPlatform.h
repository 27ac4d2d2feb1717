// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopCapabilities.h"
#include "platform/Platform.h"

#include <memory>

namespace tavrin {

/// The Wayland desktop backend (data-control, virtual keyboard, D-Bus, libcanberra), on connections of its own to
/// $WAYLAND_DISPLAY whether Qt draws through Wayland or XWayland. Needs a running QGuiApplication. When capabilities
/// is given it receives what works in this session (Platform::capabilities holds it too).
std::unique_ptr<Platform> createWaylandPlatform(DesktopCapabilities *capabilities = nullptr);

}  // namespace tavrin
