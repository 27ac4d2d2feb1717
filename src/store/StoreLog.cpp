// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/StoreLog.h"

namespace tavrin {
Q_LOGGING_CATEGORY(lcStore, "tavrin.store", QtInfoMsg)
}
