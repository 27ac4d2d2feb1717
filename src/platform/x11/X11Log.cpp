// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Log.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcX11, "tavrin.x11", QtInfoMsg)

}  // namespace tavrin
