// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/CaptureLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcCapture, "tavrin.capture", QtInfoMsg)

}  // namespace tavrin
