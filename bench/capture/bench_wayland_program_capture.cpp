// SPDX-License-Identifier: GPL-3.0-or-later
// The running program on a Wayland compositor, as a user starts it: from a copy by another Wayland client to the
// entry at the top of the program's history, asked over the program's D-Bus command interface. The time includes
// the program's whole capture path and at most one round of asking (a D-Bus call and a read of its answer, which
// AskForTopEntry measures alone). Runs inside tests/e2e/wayland-session.sh: see run-wayland-program-bench.sh.
#include "CopyLatency.h"
#include "cli/ControlBus.h"
#include "platform/wayland/WaylandClipboard.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QThread>
#include <QVariantMap>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

using namespace tavrin;

namespace {

// The top entry as the program lists it ("1<tab>text"); empty when it did not answer.
QByteArray topEntry()
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(bus::serviceName(bus::currentDisplay()), QString::fromLatin1(bus::kControlPath),
                                       QString::fromLatin1(bus::kControlInterface), QStringLiteral("List"));
    QVariantMap options;
    options.insert(QStringLiteral("limit"), 1u);
    options.insert(QStringLiteral("width"), 0u);
    call << options;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QDBusUnixFileDescriptor descriptor = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().constFirst());
    QByteArray text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(descriptor.fileDescriptor(), buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    return text;
}

WaylandClipboard *otherApplication = nullptr;

void ProgramCopyToHistoryEntry(benchmark::State &state)
{
    for (auto _ : state) {
        const QString text = bench::nextCopyText();
        const QByteArray expected = "1\t" + text.toUtf8() + '\n';
        QElapsedTimer clock;
        clock.start();
        otherApplication->writeString(text);
        while (topEntry() != expected && clock.elapsed() < 5000) {
        }
        const qint64 nanoseconds = clock.nsecsElapsed();
        if (topEntry() != expected) {
            state.SkipWithError("the copy was not recorded");
            return;
        }
        state.SetIterationTime(double(nanoseconds) / 1e9);
    }
    bench::settle();
}
BENCHMARK(ProgramCopyToHistoryEntry)->Apply([](auto *b) { bench::oneCopyPerRepetition(b); });

// One round of asking alone, the entry being there already: what the figure above may hold beyond the capture.
void AskForTopEntry(benchmark::State &state)
{
    const QByteArray present = topEntry();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const QByteArray answer = topEntry();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (answer != present) {
            state.SkipWithError("the program's answer changed");
            return;
        }
    }
}
BENCHMARK(AskForTopEntry)->Apply([](auto *b) { bench::oneCopyPerRepetition(b); });

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString binary = qEnvironmentVariable("TAVRIN_BINARY");
    if (binary.isEmpty()) {
        std::fputs("bench_wayland_program_capture: set TAVRIN_BINARY to the tavrin program\n", stderr);
        return 2;
    }
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    program.setProcessEnvironment(environment);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    program.start(binary);
    if (!program.waitForStarted(10000)) {
        std::fputs("bench_wayland_program_capture: tavrin did not start\n", stderr);
        return 1;
    }
    WaylandClipboard other;  // another Wayland client with its own connection, which copies
    otherApplication = &other;
    // The first copy is recorded once the program's monitor runs.
    const QString first = bench::nextCopyText();
    QElapsedTimer waited;
    waited.start();
    other.writeString(first);
    while (topEntry() != "1\t" + first.toUtf8() + '\n') {
        if (waited.elapsed() > 60000 || program.state() != QProcess::Running) {
            std::fputs("bench_wayland_program_capture: tavrin did not record a copy\n", stderr);
            return 1;
        }
        QThread::msleep(50);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    otherApplication = nullptr;
    program.terminate();
    program.waitForFinished(30000);
    return 0;
}
