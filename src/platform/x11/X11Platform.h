// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <memory>

namespace tavrin {

/// The real Linux desktop backend (X11, D-Bus, libcanberra). Needs a running QGuiApplication.
std::unique_ptr<Platform> createX11Platform();

}  // namespace tavrin
