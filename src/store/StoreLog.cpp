#include "store/StoreLog.h"

namespace tavrin {
Q_LOGGING_CATEGORY(lcStore, "tavrin.store", QtInfoMsg)
}
