// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal/PortalLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcPortal, "tavrin.platform.portal", QtInfoMsg)

}  // namespace tavrin
