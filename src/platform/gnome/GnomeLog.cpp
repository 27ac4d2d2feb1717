// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcGnome, "tavrin.platform.gnome", QtInfoMsg)

}  // namespace tavrin
