#pragma once

// Runs the view evaluation over a few lines written in UTF-8, the way tests like to write them.

#include "core/calendar/german_text.h"
#include "core/engine/view_evaluator.h"
#include "core/model/windows1252.h"

#include <string>
#include <string_view>
#include <vector>

namespace notavi::test {

// Windows-1252 bytes of a UTF-8 literal ("Jährliche" -> "J\xE4hrliche").
inline std::string cp(std::string_view utf8)
{
    return fromUtf8(utf8);
}

Lines cpLines(const std::vector<std::string>& utf8Lines);
DayNumber date(std::string_view ddmmyyyy);

struct HarnessRun
{
    Lines lines; // after the evaluation's repairs
    EvaluationResult result;
    std::vector<LineError> errors;
    Alarms alarms;

    // The entry texts in view order, in UTF-8, separator lines as "".
    std::vector<std::string> texts() const;
    // The texts of appointment entries only.
    std::vector<std::string> entryTexts() const;
    std::vector<std::string> errorMessages() const; // UTF-8, check-list form
};

struct EngineHarness
{
    DisplayOptions options;
    DayNumber today = 0;
    int minuteOfDay = 12 * 60;
    int utcBias = 0;

    EngineHarness();
    // Only the user blocks, no separator lines: what most block tests want to see.
    static EngineHarness userBlocksOnly();

    HarnessRun run(const std::vector<std::string>& utf8Lines, std::string_view evaluationDate, int viewMode,
                   EvaluationPass pass = EvaluationPass::Normal) const;
    HarnessRun runLines(Lines lines, DayNumber evaluationDate, int viewMode,
                        EvaluationPass pass = EvaluationPass::Normal) const;
};

// The eleven lines of the program's info area, in UTF-8.
std::vector<std::string> infoAreaLines();

// A small file in the program's layout: info area, then the given block with its lines.
std::vector<std::string> fileWithBlock(std::string_view headerUtf8, const std::vector<std::string>& lines);

} // namespace notavi::test
