#pragma once

// Runs one recurring block through the view evaluation and reads back the days of its entries.

#include "support/engine_harness.h"

#include <string>
#include <string_view>
#include <vector>

namespace notavi::test {

// A file with the block under its current header text, so that the header adaptation stays silent.
std::vector<std::string> blockFile(BlockKind block, const std::vector<std::string>& utf8Lines);

// The block's lines evaluated with only the user blocks shown and without separator lines.
HarnessRun runBlock(BlockKind block, const std::vector<std::string>& utf8Lines,
                    std::string_view evaluationDate, int viewMode,
                    EvaluationPass pass = EvaluationPass::Normal);

// "TT.MM.JJJJ" of every appointment entry, in view order.
std::vector<std::string> entryDates(const HarnessRun& run);

// The check-list line of an appointment error of the block's first line ("... (Name;13)").
std::string firstLineError(BlockKind block, std::string_view messageUtf8);

} // namespace notavi::test
