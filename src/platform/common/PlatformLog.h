// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace tavrin {

// Messages of this layer; debug messages are off unless QT_LOGGING_RULES turns them on.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

}  // namespace tavrin
