// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/PlatformLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcPlatform, "tavrin.platform", QtInfoMsg)

}  // namespace tavrin
