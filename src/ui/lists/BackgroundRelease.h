// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QObject;

namespace tavrin {

class Dispatcher;

/// Lists this long are let go on a background lane: freeing a million texts holds a thread some 20 ms.
inline constexpr qsizetype kReleaseInBackgroundFrom = 20000;

/// Drops list. When this was its last holder and it is long, its texts are freed on the release lane instead of the
/// calling thread; anywhere else dropping a shared list costs nothing.
void releaseInBackground(Dispatcher &dispatcher, QObject *context, QStringList &&list);

}  // namespace tavrin
