#include "platform/freedesktop/FreedesktopLog.h"

namespace tavrin {
Q_LOGGING_CATEGORY(lcFreedesktop, "tavrin.platform.freedesktop", QtInfoMsg)
}
