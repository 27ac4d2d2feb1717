// SPDX-License-Identifier: GPL-3.0-or-later
// Load, save and capture costs of large histories. The capture and journal benchmarks take the history's size as
// their argument (10,000, 100,000 and 1,000,000 entries; pick one with --benchmark_filter='.../100000$').
//
// Besides the benchmarks, `bench_history --write-sample=<dir>` writes the sample history files
// (history-10000.plist, history-100000.plist, history-1000000.plist, and history-nonlatin-1000000.plist with words
// of other scripts) so other readers can be measured on the same files.
#include "SampleHistory.h"
#include "platform/fake/FakeScheduler.h"
#include "store/AtomicFile.h"
#include "store/FastStringArrayReader.h"
#include "store/HistoryStore.h"
#include "store/PropertyListCodec.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <unistd.h>

using namespace tavrin;

namespace {

QString sampleFile(const QString &dir, int n)
{
    return dir + QStringLiteral("/history-%1.plist").arg(n);
}

const QStringList &sample(int n)
{
    static QHash<int, QStringList> samples;
    auto found = samples.find(n);
    if (found == samples.end())
        found = samples.insert(n, bench::sampleHistory(n));
    return *found;
}

// A loaded history of n sample entries, five of them pinned, in a folder of its own.
struct LoadedHistory {
    explicit LoadedHistory(int n)
    {
        const QString path = dir.path() + QStringLiteral("/myfile.plist");
        settings.setString(keys::historyPath, path);
        writeStringListAtPath(path, sample(n));
        settings.setInteger(keys::pinCount, 5);
        history.loadHistory();
    }
    QTemporaryDir dir;
    SettingsStore settings;
    FakeScheduler clock;
    ListFolder folder{dir.path()};
    HistoryStore history{settings, clock, folder};
};

double residentMegabytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_SaveHistory(benchmark::State &state)
{
    const QStringList &entries = sample(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/myfile.plist");
    for (auto _ : state) {
        if (!writeStringListAtPath(path, entries))
            state.SkipWithError("write failed");
    }
    state.counters["entries"] = double(entries.size());
    state.counters["MB"] = double(bench::utf8Size(entries)) / (1024.0 * 1024.0);
}

void BM_SerializeHistory(benchmark::State &state)
{
    const QStringList &entries = sample(int(state.range(0)));
    for (auto _ : state) {
        qint64 bytes = 0;
        plist::writeStringArray(entries, [&bytes](const QByteArray &chunk) {
            bytes += chunk.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_LoadHistory(benchmark::State &state)
{
    const int n = int(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/myfile.plist");
    writeStringListAtPath(path, sample(n));
    for (auto _ : state) {
        const QStringList loaded = readStringListAtPath(path);
        if (loaded.size() != n)
            state.SkipWithError("wrong entry count");
    }
    state.counters["entries"] = double(n);
}

// The parse alone; freeing what it made is left out of the time, as a program keeps its history.
void parseHistory(benchmark::State &state, int maxPieces, const QStringList &entries)
{
    const QByteArray bytes = plist::serializeStringArray(entries);
    for (auto _ : state) {
        std::optional<EntryList> parsed = plist::readStringArrayFast(bytes, plist::kMinPieceBytes, maxPieces);
        benchmark::DoNotOptimize(parsed);
        state.PauseTiming();
        parsed.reset();
        state.ResumeTiming();
    }
}

// In pieces side by side, one per core (up to four), as the program reads.
void BM_ParseHistory(benchmark::State &state)
{
    parseHistory(state, 0, sample(int(state.range(0))));
}

// The same with words in other scripts than Latin, whose texts take less room than their UTF-8 bytes.
void BM_ParseNonLatinHistory(benchmark::State &state)
{
    parseHistory(state, 0, bench::nonLatinSampleHistory(int(state.range(0))));
}

// In one piece on one thread, to see what the pieces gain.
void BM_ParseHistoryInOnePiece(benchmark::State &state)
{
    parseHistory(state, 1, sample(int(state.range(0))));
}

// What a capture costs the GUI thread: the insertion and its journal record, handed over for the next append.
void BM_InsertCaptured(benchmark::State &state)
{
    LoadedHistory loaded(int(state.range(0)));
    const QString entry = QStringLiteral("a freshly copied line of text");
    for (auto _ : state) {
        loaded.history.insertCaptured(entry);
        loaded.history.scheduleSave();
    }
    state.counters["entries"] = double(loaded.history.items().size());
    state.counters["RSS_MB"] = residentMegabytes();
}

// A capture until it is on disk: the insertion, the append to the journal on the writer thread and its fdatasync,
// one capture per append (the worst case: captures that come together share one).
void BM_CaptureToDisk(benchmark::State &state)
{
    LoadedHistory loaded(int(state.range(0)));
    const QString entry = QStringLiteral("a freshly copied line of text");
    const QString journal = loaded.history.journalPath();
    const QString file = loaded.history.currentPath();
    const qint64 fileBefore = QFileInfo(file).size();
    // The run's first append checks the journal against the history file, which reads the file once: timed apart.
    QElapsedTimer first;
    first.start();
    loaded.history.insertCaptured(entry);
    loaded.history.scheduleSave();
    loaded.clock.advance(HistoryStore::kSaveDelay);
    loaded.history.waitForWrites();
    state.counters["first_append_ms"] = double(first.nsecsElapsed()) / 1e6;
    const qint64 journalBefore = QFileInfo(journal).size();
    for (auto _ : state) {
        loaded.history.insertCaptured(entry);
        loaded.history.scheduleSave();
        loaded.clock.advance(HistoryStore::kSaveDelay);
        if (!loaded.history.waitForWrites())
            state.SkipWithError("append failed");
    }
    const qint64 appended = QFileInfo(journal).size() - journalBefore;
    state.counters["bytes_per_capture"] = double(appended) / double(std::max<std::int64_t>(1, state.iterations()));
    state.counters["history_file_rewritten"] = QFileInfo(file).size() != fileBefore ? 1 : 0;
    state.counters["entries"] = double(loaded.history.items().size());
}
// The whole write of a small settings file, atomic and with fsync: what a settings change cost the GUI thread while the
// settings were written where they changed.
void BM_WriteSettingsFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.plist"));
    QVariantMap values;
    for (const QString &key : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
        values.insert(key, QStringLiteral("a value of a usual length"));
    std::int64_t n = 0;
    for (auto _ : state) {
        values.insert(keys::pinCount, qint64(++n % 10));
        if (!writeFileAtomically(path, plist::serialize(values)))
            state.SkipWithError("write failed");
    }
}

// What changing one setting costs the thread that changes it (a pin stores the pin count): the file is written on
// the settings' own thread, atomically and with fsync, several changes at once when they come quickly.
void BM_StoreSetting(benchmark::State &state)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("settings.plist")));
    for (const QString &key : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
        settings.setString(key, QStringLiteral("a value of a usual length"));
    std::int64_t n = 0;
    for (auto _ : state)
        settings.setInteger(keys::pinCount, ++n % 10);
    settings.flush();
}

}  // namespace

BENCHMARK(BM_SaveHistory)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SerializeHistory)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHistory)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParseHistory)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParseNonLatinHistory)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParseHistoryInOnePiece)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
// A fixed number of captures, so that the history stays near its size, below the journal's bound, so that no run
// writes the history file whole.
BENCHMARK(BM_InsertCaptured)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptureToDisk)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_WriteSettingsFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreSetting)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-sample=", 15) == 0) {
            const QString dir = QString::fromLocal8Bit(argv[i] + 15);
            QDir().mkpath(dir);
            for (int n : {10000, 100000, 1000000}) {
                if (!writeStringListAtPath(sampleFile(dir, n), sample(n)))
                    return 1;
            }
            const QString nonLatin = dir + QStringLiteral("/history-nonlatin-1000000.plist");
            return writeStringListAtPath(nonLatin, bench::nonLatinSampleHistory(1000000)) ? 0 : 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
