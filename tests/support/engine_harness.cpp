#include "support/engine_harness.h"

#include "core/model/info_area.h"

#include <stdexcept>

namespace notavi::test {

Lines cpLines(const std::vector<std::string>& utf8Lines)
{
    Lines lines;
    lines.reserve(utf8Lines.size());
    for (const std::string& line : utf8Lines)
        lines.push_back(cp(line));
    return lines;
}

DayNumber date(std::string_view ddmmyyyy)
{
    std::optional<DayNumber> day = parseDateText(ddmmyyyy);
    if (!day)
        throw std::invalid_argument("not a date: " + std::string(ddmmyyyy));
    return *day;
}

std::vector<std::string> HarnessRun::texts() const
{
    std::vector<std::string> out;
    for (const ViewEntry& entry : result.entries)
        out.push_back(toUtf8(entry.text()));
    return out;
}

std::vector<std::string> HarnessRun::entryTexts() const
{
    std::vector<std::string> out;
    for (const ViewEntry& entry : result.entries)
        if (!entry.isSeparator())
            out.push_back(toUtf8(entry.text()));
    return out;
}

std::vector<std::string> HarnessRun::errorMessages() const
{
    std::vector<std::string> out;
    for (const LineError& error : errors)
        out.push_back(toUtf8(lineErrorCheckListText(error)));
    return out;
}

EngineHarness::EngineHarness()
{
    today = date("01.01.2000");
}

EngineHarness EngineHarness::userBlocksOnly()
{
    EngineHarness harness;
    for (int block = kUserBlockCount; block < kBlockCount; ++block)
        harness.options.blockShown[static_cast<std::size_t>(block)] = false;
    harness.options.separatorLines = false;
    return harness;
}

HarnessRun EngineHarness::run(const std::vector<std::string>& utf8Lines, std::string_view evaluationDate,
                              int viewMode, EvaluationPass pass) const
{
    return runLines(cpLines(utf8Lines), date(evaluationDate), viewMode, pass);
}

HarnessRun EngineHarness::runLines(Lines lines, DayNumber evaluationDate, int viewMode,
                                   EvaluationPass pass) const
{
    HarnessRun run;
    run.lines = std::move(lines);
    FixedClock clock(today, minuteOfDay, utcBias);
    CollectingLineErrorSink sink;
    EvaluationContext context{options, clock, sink, run.alarms};
    run.result = evaluateView(run.lines, context, evaluationDate, viewMode, pass);
    run.errors = sink.errors;
    return run;
}

std::vector<std::string> infoAreaLines()
{
    std::vector<std::string> lines;
    for (const std::string& line : standardInfoArea())
        lines.push_back(toUtf8(line));
    return lines;
}

std::vector<std::string> fileWithBlock(std::string_view headerUtf8, const std::vector<std::string>& lines)
{
    std::vector<std::string> file = infoAreaLines();
    file.emplace_back(headerUtf8);
    file.insert(file.end(), lines.begin(), lines.end());
    file.emplace_back("@ E N D E");
    return file;
}

} // namespace notavi::test
