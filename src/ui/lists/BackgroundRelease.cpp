// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/BackgroundRelease.h"

#include "platform/Dispatcher.h"

namespace tavrin {

void releaseInBackground(Dispatcher &dispatcher, QObject *context, EntryList &&list)
{
    EntryList held = std::move(list);
    if (held.size() < kReleaseInBackgroundFrom)
        return;
    dispatcher.runInBackground(Dispatcher::Lane::Release, context,
                               [held = std::move(held)]() mutable -> Dispatcher::Task {
                                   held = EntryList();
                                   return {};
                               });
}

}  // namespace tavrin
