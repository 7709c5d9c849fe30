// Evaluation and sorting of a whole view over generated files of growing size.

#include "core/engine/view_evaluator.h"
#include "sample/sample_file.h"

#include <benchmark/benchmark.h>

namespace notavi {
namespace {

void evaluate(benchmark::State& state, int viewMode)
{
    const Lines file = bench::sampleFile(static_cast<int>(state.range(0)));
    DisplayOptions options;
    FixedClock clock(toDayNumber(2025, 6, 1), 12 * 60, -60);
    SilentLineErrorSink sink;
    Alarms alarms;
    EvaluationContext context{options, clock, sink, alarms};
    std::size_t entries = 0;
    for (auto _ : state) {
        Lines lines = file;
        EvaluationResult result = evaluateView(lines, context, toDayNumber(2025, 6, 1), viewMode);
        entries = result.entries.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["entries"] = static_cast<double>(entries);
    state.SetComplexityN(state.range(0));
}

void BM_YearView(benchmark::State& state)
{
    evaluate(state, 4);
}

void BM_WeekView(benchmark::State& state)
{
    evaluate(state, 0);
}

BENCHMARK(BM_YearView)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_WeekView)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace notavi

BENCHMARK_MAIN();
