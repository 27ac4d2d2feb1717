// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace tavrin {

// The application shell: start, quit and what it tells the user; detail with QT_LOGGING_RULES="tavrin.app.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)

}  // namespace tavrin
