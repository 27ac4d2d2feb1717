#pragma once

#include <QLoggingCategory>

namespace tavrin {

// The views' log lines.
Q_DECLARE_LOGGING_CATEGORY(lcUi)

}  // namespace tavrin
