// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace tavrin {

Q_DECLARE_LOGGING_CATEGORY(lcWayland)

}  // namespace tavrin
