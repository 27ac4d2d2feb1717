// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one search keystroke over a 100,000-entry history, its older texts raw or packed.
#include "SampleHistory.h"
#include "store/HistoryPacker.h"
#include "store/SearchQuery.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

using namespace tavrin;

namespace {

const EntryList &history()
{
    static const EntryList entries = bench::sampleHistory(100000);
    return entries;
}

// The same entries as the program holds them a moment after its start: the older ones' texts packed.
const EntryList &packedHistory()
{
    static const EntryList entries = [] {
        EntryList list = bench::sampleHistory(100000);
        EntryArena &arena = *list.arena();
        const qsizetype hot = std::min(list.size(), HistoryPacker::kKeepRaw);
        for (const int block : arena.blocksToPack(list.entryAddresses(), hot))
            arena.publish(block, arena.pack(block));
        return list;
    }();
    return entries;
}

const EntryList &history(bool packed)
{
    return packed ? packedHistory() : history();
}

// The whole history searched for a text (the first keystroke, or any text that does not extend the last).
void BM_SearchHistory(benchmark::State &state, const char *text, bool packed = false)
{
    const SearchQuery query(QString::fromUtf8(text));
    const EntryList &entries = history(packed);
    qsizetype hits = 0;
    for (auto _ : state) {
        const EntryList results = query.filter(entries);
        hits = results.size();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = double(hits);
}

// The next keystroke: the results of the previous text are narrowed.
void BM_NarrowSearch(benchmark::State &state, const char *previous, const char *text, bool packed = false)
{
    const EntryList before = SearchQuery(QString::fromUtf8(previous)).filter(history(packed));
    const SearchQuery query(QString::fromUtf8(text));
    qsizetype hits = 0;
    for (auto _ : state) {
        const EntryList results = query.filter(before);
        hits = results.size();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["from"] = double(before.size());
    state.counters["hits"] = double(hits);
}

// Typing a word letter by letter, each keystroke narrowing the last results as the list does.
// Reports the slowest keystroke of the word as well as the mean.
void BM_TypeWord(benchmark::State &state, const char *word, bool packed = false)
{
    const QString text = QString::fromUtf8(word);
    const EntryList &entries = history(packed);
    double slowest = 0;
    double total = 0;
    qint64 keystrokes = 0;
    for (auto _ : state) {
        EntryList results = entries;
        SearchQuery previous;
        for (qsizetype n = 1; n <= text.size(); ++n) {
            const auto start = std::chrono::steady_clock::now();
            const SearchQuery query(text.left(n));
            results = query.filter(query.narrows(previous) ? results : entries);
            previous = query;
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            slowest = std::max(slowest, ms);
            total += ms;
            ++keystrokes;
        }
        benchmark::DoNotOptimize(results);
    }
    state.counters["slowest_key_ms"] = slowest;
    state.counters["mean_key_ms"] = total / double(keystrokes);
}

}  // namespace

BENCHMARK_CAPTURE(BM_TypeWord, meeting, "meeting")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypeWord, report, "report")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypeWord, straße, "straße")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, e, "e")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, z, "z")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, clipboard, "Clipboard")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, absent, "xylophone")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, non_latin, "日本")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NarrowSearch, cl_to_cli, "cl", "cli")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NarrowSearch, repo_to_repor, "repo", "repor")->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_TypeWord, straße_packed, "straße", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, e_packed, "e", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, absent_packed, "xylophone", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchHistory, non_latin_packed, "日本", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NarrowSearch, cl_to_cli_packed, "cl", "cli", true)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
