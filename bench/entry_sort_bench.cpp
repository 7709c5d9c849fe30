// The sort of a year view's entries alone, in the order the evaluation makes them.

#include "core/engine/view_evaluator.h"
#include "sample/sample_file.h"

#include <algorithm>

#include <benchmark/benchmark.h>

namespace notavi {
namespace {

// The entries of a year view in the order the evaluation appends them: file line by file line,
// each line's days ascending, the separator lines last.
ViewEntries entriesAsMade(int appointmentLines)
{
    Lines lines = bench::sampleFile(appointmentLines);
    DisplayOptions options;
    FixedClock clock(toDayNumber(2025, 1, 1), 12 * 60, -60);
    SilentLineErrorSink sink;
    Alarms alarms;
    EvaluationContext context{options, clock, sink, alarms};
    ViewEntries entries = evaluateView(lines, context, toDayNumber(2025, 1, 1), 4).entries;
    std::stable_sort(entries.begin(), entries.end(), [](const ViewEntry& a, const ViewEntry& b) {
        return a.sourceLine != b.sourceLine ? a.sourceLine < b.sourceLine : a.sortKey < b.sortKey;
    });
    return entries;
}

void BM_SortYearView(benchmark::State& state)
{
    const ViewEntries made = entriesAsMade(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ViewEntries entries = made; // a fresh copy lies in memory in the order of making, like the original
        state.ResumeTiming();
        sortEntries(entries);
        benchmark::DoNotOptimize(entries.data());
        state.PauseTiming();
        entries = {};
        state.ResumeTiming();
    }
    state.counters["entries"] = static_cast<double>(made.size());
    state.SetComplexityN(static_cast<benchmark::IterationCount>(made.size()));
}

BENCHMARK(BM_SortYearView)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

} // namespace
} // namespace notavi

BENCHMARK_MAIN();
