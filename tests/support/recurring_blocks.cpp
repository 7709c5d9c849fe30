#include "support/recurring_blocks.h"

namespace notavi::test {
namespace {

// fileWithBlock puts eleven info lines and the header before the block's lines.
constexpr int kFirstBlockLineNumber = 13;

} // namespace

std::vector<std::string> blockFile(BlockKind block, const std::vector<std::string>& utf8Lines)
{
    return fileWithBlock(toUtf8(BlockCatalogue::headerText(blockNumber(block))), utf8Lines);
}

HarnessRun runBlock(BlockKind block, const std::vector<std::string>& utf8Lines,
                    std::string_view evaluationDate, int viewMode, EvaluationPass pass)
{
    return EngineHarness::userBlocksOnly().run(blockFile(block, utf8Lines), evaluationDate, viewMode, pass);
}

std::vector<std::string> entryDates(const HarnessRun& run)
{
    std::vector<std::string> dates;
    for (const ViewEntry& entry : run.result.entries) {
        if (entry.isSeparator())
            continue;
        const std::string key = entry.sortKey(); // "JJJJMMTT "
        dates.push_back(key.substr(6, 2) + "." + key.substr(4, 2) + "." + key.substr(0, 4));
    }
    return dates;
}

std::string firstLineError(BlockKind block, std::string_view messageUtf8)
{
    return "Die Terminzeile " + std::string(messageUtf8) + " (" +
           toUtf8(BlockCatalogue::displayName(blockNumber(block))) + ";" +
           std::to_string(kFirstBlockLineNumber) + ")";
}

} // namespace notavi::test
