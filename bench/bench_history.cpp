// SPDX-License-Identifier: GPL-3.0-or-later
// Load, save and capture costs of large histories.
//
// Besides the benchmarks, `bench_history --write-sample=<dir>` writes the sample history files
// (history-10000.plist, history-100000.plist) so other readers can be measured on the same files.
#include "SampleHistory.h"
#include "platform/fake/FakeScheduler.h"
#include "store/AtomicFile.h"
#include "store/HistoryStore.h"
#include "store/PropertyListCodec.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <unistd.h>

using namespace tavrin;

namespace {

QString sampleFile(const QString &dir, int n)
{
    return dir + QStringLiteral("/history-%1.plist").arg(n);
}

const QStringList &sample(int n)
{
    static QStringList small = bench::sampleHistory(10000);
    static QStringList large = bench::sampleHistory(100000);
    return n == 10000 ? small : large;
}

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

void BM_ParseHistory(benchmark::State &state)
{
    const QByteArray bytes = plist::serializeStringArray(sample(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(plist::parseStringArray(bytes));
}

void BM_InsertCaptured(benchmark::State &state)
{
    QTemporaryDir dir;
    SettingsStore settings;
    settings.setString(keys::historyPath, dir.path() + QStringLiteral("/myfile.plist"));
    writeStringListAtPath(dir.path() + QStringLiteral("/myfile.plist"), sample(100000));
    settings.setInteger(keys::pinCount, 5);
    FakeScheduler clock;
    ListFolder folder(dir.path());
    HistoryStore history(settings, clock, folder);
    history.loadHistory();
    const QString entry = QStringLiteral("a freshly copied line of text");
    for (auto _ : state) {
        history.insertCaptured(entry);
        history.scheduleSave();
    }
    state.counters["entries"] = double(history.items().size());
    state.counters["RSS_MB"] = residentMegabytes();
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
BENCHMARK(BM_ParseHistory)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertCaptured)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteSettingsFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreSetting)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-sample=", 15) == 0) {
            const QString dir = QString::fromLocal8Bit(argv[i] + 15);
            QDir().mkpath(dir);
            for (int n : {10000, 100000}) {
                if (!writeStringListAtPath(sampleFile(dir, n), sample(n)))
                    return 1;
            }
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
