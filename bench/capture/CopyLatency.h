// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the capture benchmarks of both backends share: one copy per repetition, timed from the copy by another
// client to the moment the program has it.

#include "platform/Clipboard.h"
#include "store/HistoryStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace tavrin::bench {

/// A new text for each copy.
inline QString nextCopyText()
{
    static int copy = 0;
    return QStringLiteral("copy %1 from another application").arg(++copy);
}

/// Lets the clipboard settle before the next copy, outside the measured time.
inline void settle()
{
    QEventLoop pause;
    QTimer::singleShot(50, &pause, &QEventLoop::quit);
    pause.exec();
}

/// Times each copy by `otherApplication` until the history has the entry (the event loop runs meanwhile).
inline void measureCopyToHistoryEntry(benchmark::State &state, HistoryStore &history, Clipboard &otherApplication)
{
    for (auto _ : state) {
        const QString text = nextCopyText();
        QEventLoop loop;
        QElapsedTimer clock;
        const auto connection = QObject::connect(&history, &HistoryStore::itemInserted, &loop, [&] { loop.quit(); });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        clock.start();
        otherApplication.writeString(text);
        loop.exec();
        const qint64 nanoseconds = clock.nsecsElapsed();
        QObject::disconnect(connection);
        if (history.items().value(0) != text) {
            state.SkipWithError("the copy was not recorded");
            return;
        }
        state.SetIterationTime(double(nanoseconds) / 1e9);
    }
    settle();
}

/// One copy per repetition, 20 repetitions, reported as median, mean, min and max in milliseconds.
inline benchmark::internal::Benchmark *oneCopyPerRepetition(benchmark::internal::Benchmark *benchmark)
{
    return benchmark->Iterations(1)
        ->Repetitions(20)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("max", [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); })
        ->ComputeStatistics("min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
}

/// The benchmarks' main: a GUI application, the history's file in a temporary folder, then the fixture (made here,
/// after the application) published through `current` while the registered benchmarks run.
template <typename Fixture> int runCaptureBenchmarks(int argc, char **argv, Fixture *&current)
{
    QApplication app(argc, argv);
    QTemporaryDir data;  // the history's file stays out of the user's folders
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    Fixture fixture;
    current = &fixture;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    current = nullptr;
    return 0;
}

}  // namespace tavrin::bench
