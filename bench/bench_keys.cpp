// SPDX-License-Identifier: GPL-3.0-or-later
// What keys cost: finding a key for a keysym in a layout (each typed key and each grab), the key at a place (each
// Ctrl+digit in the list), reading a stored shortcut, and, on a display, reading the X server's layout (each layout
// change) and typing the paste keys through XTest.
#include "hotkeys/StoredShortcut.h"
#include "platform/common/QtKeysyms.h"
#include "platform/common/XkbKeyPositions.h"
#include "platform/common/XkbKeymap.h"
#include "platform/x11/X11KeyEventPoster.h"
#include "platform/x11/X11Keymap.h"
#include "platform/x11/XcbSupport.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <xkbcommon/xkbcommon-keysyms.h>

using namespace tavrin;

namespace {

void BM_KeysForKeysym(benchmark::State &state)
{
    const std::optional<XkbKeymap> us = XkbKeymap::fromLayout("us");
    for (auto _ : state)
        benchmark::DoNotOptimize(us->keysFor(keysymForKey(QKeyCombination(Qt::ControlModifier, Qt::Key_V))));
}
BENCHMARK(BM_KeysForKeysym);

void BM_UsLayoutKey(benchmark::State &state)
{
    const XkbKeyPositions places;
    for (auto _ : state)
        benchmark::DoNotOptimize(places.usLayoutKey(10));
}
BENCHMARK(BM_UsLayoutKey);

void BM_ReadStoredShortcut(benchmark::State &state)
{
    const StoredShortcut stored{QStringLiteral("V"), {14, 11}};
    for (auto _ : state)
        benchmark::DoNotOptimize(stored.keys());
}
BENCHMARK(BM_ReadStoredShortcut);

void BM_ReadServerLayout(benchmark::State &state)
{
    xcb::Connection x;
    if (!x.isValid()) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        X11Keymap keymap(x.get());
        benchmark::DoNotOptimize(keymap.get());
    }
}
BENCHMARK(BM_ReadServerLayout)->Unit(benchmark::kMillisecond);

void BM_TypePasteKeys(benchmark::State &state)
{
    X11KeyEventPoster keys;
    if (!keys.hasXTest()) {
        state.SkipWithError("no display with XTEST");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(keys.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
}
BENCHMARK(BM_TypePasteKeys)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
