// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"

class QObject;

namespace tavrin {

class Dispatcher;

/// Lists this long are let go on a background lane: the last holder of a long list frees its blocks and its order.
inline constexpr qsizetype kReleaseInBackgroundFrom = 20000;

/// Drops list; a long one on the release lane instead of the calling thread.
void releaseInBackground(Dispatcher &dispatcher, QObject *context, EntryList &&list);

}  // namespace tavrin
