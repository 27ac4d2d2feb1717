// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace tavrin {
// Failures of the stored files, with their paths and reasons; detail with QT_LOGGING_RULES="tavrin.store.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcStore)
}  // namespace tavrin
