// The editor's tools over generated files: sorting, the automatic deletion of expired
// appointments, the interactive walk step by step, and the check list.

#include "core/calendar/german_text.h"
#include "core/editor/expired_walk.h"
#include "core/editor/text_sort.h"
#include "core/engine/view_evaluator.h"
#include "sample/sample_file.h"

#include <benchmark/benchmark.h>

namespace notavi {
namespace {

const DayNumber kToday = toDayNumber(2025, 6, 1);

// The generated file with a one-time block of `expired` lines that lie before kToday in front.
Lines fileWithExpired(int lines, int expired)
{
    Lines file = bench::sampleFile(lines - expired);
    Lines block = {BlockCatalogue::headerText(blockNumber(BlockKind::OneTime))};
    for (int i = 0; i < expired; ++i)
        block.push_back(formatDate(kToday - 1 - i % 3000) + " Verstrichen " + std::to_string(i));
    block.push_back("@ E N D E");
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

void BM_SortText(benchmark::State& state)
{
    const Lines file = bench::sampleFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(sortText(file));
    state.SetComplexityN(state.range(0));
}

void BM_AutomaticDeletion(benchmark::State& state)
{
    const Lines file = fileWithExpired(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::size_t deleted = 0;
    for (auto _ : state) {
        AutomaticDeletion result = deleteExpiredLines(file, kToday, 1);
        deleted = result.deleted.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["deleted"] = static_cast<double>(deleted);
}

// The interactive walk answered No at every line: the time between two questions is at most the
// whole walk's.
void BM_InteractiveWalk(benchmark::State& state)
{
    const Lines file = fileWithExpired(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::size_t steps = 0;
    for (auto _ : state) {
        ExpiredWalk walk(file, kToday, false);
        steps = 0;
        while (const std::optional<ExpiredLine> line = walk.next()) {
            benchmark::DoNotOptimize(line->question);
            walk.answer(WalkAnswer::No);
            ++steps;
        }
    }
    state.counters["questions"] = static_cast<double>(steps);
}

void BM_CheckList(benchmark::State& state)
{
    const Lines file = bench::sampleFileWithFaults(static_cast<int>(state.range(0)));
    DisplayOptions options;
    FixedClock clock(kToday, 12 * 60, -60);
    Alarms alarms;
    std::size_t errors = 0;
    for (auto _ : state) {
        Lines lines = file;
        CollectingLineErrorSink sink;
        EvaluationContext context{options, clock, sink, alarms};
        benchmark::DoNotOptimize(evaluateView(lines, context, kToday, 0, EvaluationPass::ErrorCheck));
        errors = sink.errors.size();
    }
    state.counters["errors"] = static_cast<double>(errors);
}

BENCHMARK(BM_SortText)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);
BENCHMARK(BM_AutomaticDeletion)
    ->Args({10000, 0})
    ->Args({10000, 1000})
    ->Args({100000, 10000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InteractiveWalk)->Args({10000, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckList)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace notavi

BENCHMARK_MAIN();
