// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace tavrin {

// The views' log lines.
Q_DECLARE_LOGGING_CATEGORY(lcUi)

}  // namespace tavrin
