// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/UiLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcUi, "tavrin.ui", QtInfoMsg)

}  // namespace tavrin
