// The editor's work on a large file that does not depend on the window: loading with the cleanup,
// a tab jump, the block of the caret's line after a key, the check for unstorable characters and
// the save with backup.

#include "core/editor/block_jump.h"
#include "core/editor/editor_load.h"
#include "core/editor/editor_tabs.h"
#include "core/editor/line_block.h"
#include "core/editor/unstorable_text.h"
#include "core/model/data_files.h"
#include "core/model/storage.h"
#include "core/model/windows1252.h"
#include "sample/sample_file.h"

#include <filesystem>

#include <benchmark/benchmark.h>

namespace notavi {
namespace {

// A folder with notavi.dat of the given size, removed at the end.
struct BenchFolder
{
    explicit BenchFolder(int lines)
        : path(std::filesystem::temp_directory_path() / ("notavi-editor-bench-" + std::to_string(lines)))
    {
        std::filesystem::create_directories(path);
        text = bench::sampleFile(lines);
        RealFileSystem disk;
        saveWithBackup(disk, path, text);
    }

    ~BenchFolder() { std::filesystem::remove_all(path); }

    std::filesystem::path path;
    Lines text;
};

void BM_LoadWithCleanup(benchmark::State& state)
{
    BenchFolder folder(static_cast<int>(state.range(0)));
    RealFileSystem disk;
    for (auto _ : state)
        benchmark::DoNotOptimize(loadEditorFileCleaned(disk, folder.path / kDataFileName));
}

void BM_TabJumpToTheLastBlock(benchmark::State& state)
{
    const Lines text = bench::sampleFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(jumpOfTab(text, tabOfBlock(12)));
}

// The worst line for the block search: the last line of the largest block.
void BM_BlockOfLineAfterAKey(benchmark::State& state)
{
    const Lines text = bench::sampleFile(static_cast<int>(state.range(0)));
    std::size_t lastLine = 0;
    std::size_t longest = 0;
    for (std::size_t i = 0, previousEnd = 0; i < text.size(); ++i) {
        if (!text[i].starts_with('@'))
            continue;
        if (i - previousEnd > longest) {
            longest = i - previousEnd;
            lastLine = i - 1;
        }
        previousEnd = i;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(blockOfLine(text, lastLine));
}

void BM_UnstorableCheckBeforeSaving(benchmark::State& state)
{
    std::vector<std::string> utf8;
    for (const std::string& line : bench::sampleFile(static_cast<int>(state.range(0))))
        utf8.push_back(toUtf8(line));
    for (auto _ : state)
        benchmark::DoNotOptimize(firstUnstorableLine(utf8));
}

void BM_SaveWithBackup(benchmark::State& state)
{
    BenchFolder folder(static_cast<int>(state.range(0)));
    RealFileSystem disk;
    for (auto _ : state)
        benchmark::DoNotOptimize(saveWithBackup(disk, folder.path, folder.text));
}

BENCHMARK(BM_LoadWithCleanup)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabJumpToTheLastBlock)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockOfLineAfterAKey)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnstorableCheckBeforeSaving)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWithBackup)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace notavi

BENCHMARK_MAIN();
