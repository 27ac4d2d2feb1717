#include "app/AppLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcApp, "tavrin.app", QtInfoMsg)

}  // namespace tavrin
