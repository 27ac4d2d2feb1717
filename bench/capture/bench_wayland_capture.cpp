// SPDX-License-Identifier: GPL-3.0-or-later
// From a copy by another Wayland client to the entry in the history, through the real Wayland backend on a
// compositor: the data-control notice on the clipboard thread, the hand-over to the GUI thread, the monitor's check,
// its worker read through a pipe from the other client and the insertion on the GUI thread. Also the two halves
// alone: copy to change notice, and the read of the contents. Each repetition is one copy.
#include "CopyLatency.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "platform/Platform.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandPlatform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

using namespace tavrin;

namespace {

struct Capturing {
    std::unique_ptr<Platform> platform = createWaylandPlatform();
    SettingsStore settings;
    ListFolder folder{platform->locations->dataDirectory()};
    HistoryStore history{settings, *platform->scheduler, folder};
    CaptureServices capture{platform->core(), settings, history};
    WaylandClipboard otherApplication;  // a second client with its own connection that copies

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

// The halves on a clipboard of their own, without the monitor: the notice arrives on the clipboard thread, and
// the read follows at once on this one.
void CopyToChangeNotice(benchmark::State &state)
{
    static WaylandClipboard watcher;
    for (auto _ : state) {
        const QString text = bench::nextCopyText();
        const std::int64_t before = watcher.changeCount();
        QElapsedTimer clock;
        clock.start();
        capturing->otherApplication.writeString(text);
        while (watcher.changeCount() == before && clock.elapsed() < 5000) {
        }
        const qint64 nanoseconds = clock.nsecsElapsed();
        QElapsedTimer readClock;
        readClock.start();
        const auto read = watcher.readContents().string;
        state.counters["read_ms"] = double(readClock.nsecsElapsed()) / 1e6;
        if (read != text) {
            state.SkipWithError("the copy was not seen");
            return;
        }
        state.SetIterationTime(double(nanoseconds) / 1e9);
    }
    bench::settle();
}
BENCHMARK(CopyToChangeNotice)->Apply([](auto *b) { bench::oneCopyPerRepetition(b); });

}  // namespace

int main(int argc, char **argv)
{
    return bench::runCaptureBenchmarks(argc, argv, capturing);
}
