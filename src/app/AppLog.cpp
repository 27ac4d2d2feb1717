// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcApp, "tavrin.app", QtInfoMsg)

}  // namespace tavrin
