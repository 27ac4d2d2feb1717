// SPDX-License-Identifier: GPL-3.0-or-later
// From a copy by another X11 client to the entry in the history, through the real clipboard backend, the
// monitor's change reports, its worker read and the insertion on the GUI thread. Each repetition is one copy.
#include "CopyLatency.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "platform/Platform.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11Platform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <benchmark/benchmark.h>

using namespace tavrin;

namespace {

struct Capturing {
    std::unique_ptr<Platform> platform = createX11Platform();
    SettingsStore settings;
    ListFolder folder{platform->locations->dataDirectory()};
    HistoryStore history{settings, *platform->scheduler, folder};
    CaptureServices capture{platform->core(), settings, history};
    X11Clipboard otherApplication;  // a second client that copies

    Capturing()
    {
        capture.sound().load();
        capture.recordChangeCount();
        capture.monitor().start();
    }
};

Capturing *capturing = nullptr;

void CopyToHistoryEntry(benchmark::State &state)
{
    bench::measureCopyToHistoryEntry(state, capturing->history, capturing->otherApplication);
}
BENCHMARK(CopyToHistoryEntry)->Apply([](auto *b) { bench::oneCopyPerRepetition(b); });

}  // namespace

int main(int argc, char **argv)
{
    return bench::runCaptureBenchmarks(argc, argv, capturing);
}
