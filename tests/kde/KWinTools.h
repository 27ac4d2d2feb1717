// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin::kde {

// KWin, asked and told through scripts of the test's own (KWin lists its windows to no program).

/// Gives the focus to the window with that caption, as a click on it does; true when KWin found one.
bool activateWindowTitled(const QString &caption);

}  // namespace tavrin::kde
