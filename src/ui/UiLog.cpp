#include "ui/UiLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcUi, "tavrin.ui", QtInfoMsg)

}  // namespace tavrin
