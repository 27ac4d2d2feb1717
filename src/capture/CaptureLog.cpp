#include "capture/CaptureLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcCapture, "tavrin.capture", QtInfoMsg)

}  // namespace tavrin
