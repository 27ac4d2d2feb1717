// From a copy by another X11 client to the entry in the history, through the real clipboard backend, the
// monitor's change reports, its worker read and the insertion on the GUI thread. Each repetition is one copy.
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "platform/Platform.h"
#include "platform/x11/X11Pasteboard.h"
#include "platform/x11/X11Platform.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace tavrin;

namespace {

struct Capturing {
    std::unique_ptr<Platform> platform = createX11Platform();
    SettingsStore settings;
    ListFolder folder{platform->locations->dataDirectory()};
    HistoryStore history{settings, *platform->scheduler, folder};
    CaptureServices capture{platform->core(), settings, history};
    X11Pasteboard otherApplication;  // a second client that copies

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
    static int copy = 0;
    for (auto _ : state) {
        const QString text = QStringLiteral("copy %1 from another application").arg(++copy);
        QEventLoop loop;
        QElapsedTimer clock;
        const auto connection =
            QObject::connect(&capturing->history, &HistoryStore::itemInserted, &loop, [&] { loop.quit(); });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        clock.start();
        capturing->otherApplication.writeString(text);
        loop.exec();
        const qint64 nanoseconds = clock.nsecsElapsed();
        QObject::disconnect(connection);
        if (capturing->history.items().value(0) != text) {
            state.SkipWithError("the copy was not recorded");
            return;
        }
        state.SetIterationTime(double(nanoseconds) / 1e9);
    }
    // Let the clipboard settle before the next copy, outside the measured time.
    QEventLoop pause;
    QTimer::singleShot(50, &pause, &QEventLoop::quit);
    pause.exec();
}
BENCHMARK(CopyToHistoryEntry)
    ->Iterations(1)
    ->Repetitions(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); })
    ->ComputeStatistics("min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir data;  // the history's file stays out of the user's folders
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    Capturing state;
    capturing = &state;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    capturing = nullptr;
    return 0;
}
