// SPDX-License-Identifier: GPL-3.0-or-later
// `tavrin list --json` end to end against the real program holding a history of 100,000 entries: the client's
// start, the D-Bus call, the snapshot, the JSON written by the program's thread and copied to the client's output.
// Runs inside tests/e2e/x11-session.sh (a display and a session bus of its own): see run-list-bench.sh.
#include "SampleHistory.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kEntries = 100000;
QString tavrinBinary;
QString outputFile;

int runCommand(const QStringList &arguments, const QString &output)
{
    QProcess process;
    process.setStandardOutputFile(output);
    process.setStandardErrorFile(QStringLiteral("/dev/null"));
    process.start(tavrinBinary, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void ListJson(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const int status = runCommand({QStringLiteral("list"), QStringLiteral("--json")}, outputFile);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (status != 0)
            state.SkipWithError("tavrin list --json failed");
    }
    state.counters["bytes"] = double(QFileInfo(outputFile).size());
}
BENCHMARK(ListJson)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

void ListLines(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const int status = runCommand({QStringLiteral("list")}, outputFile);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (status != 0)
            state.SkipWithError("tavrin list failed");
    }
}
BENCHMARK(ListLines)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

// The client alone: a command that the program answers at once.
void IsPausedRoundTrip(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const int status = runCommand({QStringLiteral("resume")}, QStringLiteral("/dev/null"));
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (status != 0)
            state.SkipWithError("tavrin resume failed");
    }
}
BENCHMARK(IsPausedRoundTrip)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tavrinBinary = qEnvironmentVariable("TAVRIN_BINARY");
    if (tavrinBinary.isEmpty()) {
        std::fputs("bench_list_command: set TAVRIN_BINARY to the tavrin program\n", stderr);
        return 2;
    }
    // The session's private folders (x11-session.sh) hold the history of the run.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString history = data + QStringLiteral("/tavrin/myfile.plist");
    QDir().mkpath(data + QStringLiteral("/tavrin"));
    if (!tavrin::writeStringListAtPath(history, tavrin::bench::sampleHistory(kEntries))) {
        std::fputs("bench_list_command: cannot write the history\n", stderr);
        return 1;
    }
    {
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        tavrin::SettingsStore settings(tavrin::SettingsStore::pathIn(config + QStringLiteral("/tavrin")));
        settings.setString(tavrin::keys::historyPath, history);
        settings.setInteger(tavrin::keys::firstRun, 1);
    }
    QTemporaryDir work;
    outputFile = work.filePath(QStringLiteral("list.json"));

    QProcess program;
    program.setStandardOutputFile(QStringLiteral("/dev/null"));
    program.setStandardErrorFile(work.filePath(QStringLiteral("tavrin.err")));
    program.start(tavrinBinary);
    if (!program.waitForStarted(10000)) {
        std::fputs("bench_list_command: tavrin did not start\n", stderr);
        return 1;
    }
    // Commands are answered once the launch (and so the history's load) is done.
    QElapsedTimer waited;
    waited.start();
    while (runCommand({QStringLiteral("list"), QStringLiteral("--json")}, outputFile) != 0) {
        if (waited.elapsed() > 60000 || program.state() != QProcess::Running) {
            std::fputs("bench_list_command: tavrin did not answer\n", stderr);
            return 1;
        }
        QThread::msleep(100);
    }
    QFile listed(outputFile);
    if (!listed.open(QIODevice::ReadOnly) || QJsonDocument::fromJson(listed.readAll()).array().size() < kEntries) {
        std::fputs("bench_list_command: the listing does not hold the whole history\n", stderr);
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    runCommand({QStringLiteral("quit")}, QStringLiteral("/dev/null"));
    program.waitForFinished(30000);
    return 0;
}
