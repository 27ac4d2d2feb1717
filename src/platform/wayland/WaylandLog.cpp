// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcWayland, "tavrin.platform.wayland", QtInfoMsg)

}  // namespace tavrin
