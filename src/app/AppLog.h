#pragma once

#include <QLoggingCategory>

namespace tavrin {

// Messages of this layer; debug messages are off unless QT_LOGGING_RULES turns them on.
Q_DECLARE_LOGGING_CATEGORY(lcApp)

}  // namespace tavrin
