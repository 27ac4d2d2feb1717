// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/kde/KdeLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcKde, "tavrin.platform.kde", QtInfoMsg)

}  // namespace tavrin
