// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/ListResources.h"

static void registerListResources()
{
    Q_INIT_RESOURCE(lists);
}

namespace tavrin {

void ensureListResources()
{
    static const bool registered = [] {
        registerListResources();
        return true;
    }();
    Q_UNUSED(registered);
}

}  // namespace tavrin
