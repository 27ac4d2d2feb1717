#include "platform/gnome/GnomeLog.h"

namespace tavrin {

Q_LOGGING_CATEGORY(lcGnome, "tavrin.platform.gnome", QtInfoMsg)

}  // namespace tavrin
