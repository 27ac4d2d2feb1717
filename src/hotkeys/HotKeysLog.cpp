// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotkeys/HotKeysLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcHotKeys, "tavrin.hotkeys", QtInfoMsg)

}  // namespace tavrin
