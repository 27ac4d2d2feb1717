// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/freedesktop/FreedesktopLog.h"

namespace tavrin {
Q_LOGGING_CATEGORY(lcFreedesktop, "tavrin.platform.freedesktop", QtInfoMsg)
}
