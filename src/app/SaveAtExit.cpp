// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SaveAtExit.h"

#include "app/AppContext.h"

#include <atomic>
#include <cstdlib>

namespace tavrin {

namespace {
std::atomic<AppContext *> g_context{nullptr};
}

SaveAtExit::SaveAtExit(AppContext &context)
{
    static const bool registered = std::atexit(&SaveAtExit::saveNow) == 0;
    (void)registered;
    g_context = &context;
}

SaveAtExit::~SaveAtExit()
{
    g_context = nullptr;
}

void SaveAtExit::saveNow()
{
    // exit() runs this on the thread that called it (the GUI thread, for Qt's): the context lives on, main's
    // objects are never destroyed on that path.
    if (AppContext *context = g_context.exchange(nullptr))
        context->saveBeforeQuit();
}

}  // namespace tavrin
