#include "app/SaveAtExit.h"

#include "store/HistoryStore.h"

#include <atomic>
#include <cstdlib>

namespace tavrin {

namespace {
std::atomic<HistoryStore *> g_history{nullptr};
}

SaveAtExit::SaveAtExit(HistoryStore &history)
{
    static const bool registered = std::atexit(&SaveAtExit::saveNow) == 0;
    (void)registered;
    g_history = &history;
}

SaveAtExit::~SaveAtExit()
{
    g_history = nullptr;
}

void SaveAtExit::saveNow()
{
    // exit() runs this on the thread that called it (the GUI thread, for Qt's): the history lives on, main's
    // objects are never destroyed on that path.
    if (HistoryStore *history = g_history.exchange(nullptr))
        history->flushPendingSave();
}

}  // namespace tavrin
