#include "core/engine/view_evaluator.h"

#include "core/calendar/german_text.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"

#include <algorithm>

namespace notavi {
namespace {

std::optional<std::size_t> lastSchoolHolidayHeader(const Lines& lines)
{
    for (std::size_t i = lines.size(); i-- > 0;)
        if (BlockCatalogue::headerBlock(lines[i]) == blockNumber(BlockKind::SchoolHolidays))
            return i;
    return std::nullopt;
}

// The school-holiday block met again in the walk: it was evaluated first. A block without end
// line ends before the next header, so that the following block is not swallowed.
void skipSchoolHolidayBlock(Evaluation& ev)
{
    for (++ev.currentLine; !ev.atEnd(); ++ev.currentLine) {
        if (isEndLine(ev.line())) {
            ++ev.currentLine;
            return;
        }
        if (BlockCatalogue::isHeaderLine(ev.line()))
            return;
    }
}

void evaluateUserBlock(Evaluation& ev, BlockKind block)
{
    switch (block) {
    case BlockKind::Birthdays:
        return evaluateBirthdays(ev);
    case BlockKind::NameDays:
        return evaluateNameDays(ev);
    case BlockKind::Weekly:
        return evaluateWeekly(ev);
    case BlockKind::TwoWeekly:
        return evaluateEveryNDays(ev, 14, block);
    case BlockKind::FourWeekly:
        return evaluateEveryNDays(ev, 28, block);
    case BlockKind::SixWeekly:
        return evaluateEveryNDays(ev, 42, block);
    case BlockKind::Monthly:
        return evaluateMonthly(ev);
    case BlockKind::Yearly:
        return evaluateYearly(ev);
    case BlockKind::SinceYears:
        return evaluateSinceYears(ev);
    case BlockKind::XthWeekday:
        return evaluateXthWeekday(ev);
    case BlockKind::EveryXDays:
        return evaluateEveryNDays(ev, 0, block);
    case BlockKind::SchoolHolidays:
        return skipSchoolHolidayBlock(ev);
    case BlockKind::OneTime:
        return evaluateOneTime(ev);
    default:
        ++ev.currentLine;
    }
}

void walkFile(Evaluation& ev)
{
    ev.currentLine = 0;
    while (!ev.atEnd()) {
        const std::string& line = ev.line();
        if (line.empty() || line[0] == '*') {
            ++ev.currentLine;
            continue;
        }
        std::optional<int> block = BlockCatalogue::headerBlock(line);
        if (!block) {
            ev.reportLineError(ev.quotedLine() + " befindet sich au\xDF"
                                                 "erhalb eines g\xFCltigen Terminblocks.",
                               ev.currentLine, false, "");
            ++ev.currentLine;
            continue;
        }
        const std::size_t before = ev.currentLine;
        evaluateUserBlock(ev, static_cast<BlockKind>(*block));
        if (ev.currentLine <= before) // every evaluator moves on; never loop on one line
            ev.currentLine = before + 1;
    }
}

// The school-holiday entries are made before the walk; end lines the walk inserted above their
// block move their lines down, and the commands on the view must find the right line. The walk
// inserts no line inside that block, so all of them move by the number inserted above its header.
void shiftSourceLines(ViewEntries& entries, std::size_t count, std::size_t header,
                      const std::vector<std::size_t>& inserted)
{
    std::size_t shift = 0;
    for (std::size_t at : inserted)
        if (at <= header + shift)
            ++shift;
    for (std::size_t i = 0; i < count; ++i)
        entries[i].sourceLine += static_cast<int>(shift);
}

void evaluateInternalBlocks(Evaluation& ev)
{
    const DisplayOptions& options = ev.context.options;
    if (options.shows(BlockKind::Easter))
        evaluateEasterCycle(ev);
    if (options.shows(BlockKind::Advent))
        evaluateAdventCycle(ev);
    if (options.shows(BlockKind::Holidays))
        evaluateHolidays(ev);
    ev.utcBiasMinutes = ev.context.clock.utcBiasMinutes();
    if (!options.shows(BlockKind::MoonPhases))
        return;
    for (MoonPhase phase :
         {MoonPhase::NewMoon, MoonPhase::FirstQuarter, MoonPhase::FullMoon, MoonPhase::LastQuarter})
        if (options.showsPhase(phase))
            evaluateMoonPhase(ev, phase);
}

void addSeparatorLines(Evaluation& ev)
{
    for (int d = 0; d <= ev.rangeLength; ++d) {
        if (!ev.daysWithEntries[static_cast<std::size_t>(d)])
            continue;
        ViewEntry separator;
        separator.sortKey = dateKey(ev.rangeStart + d) + "9";
        separator.sourceLine = kSeparatorSourceLine;
        ev.entries.push_back(std::move(separator));
    }
}

// Room for one entry a week from every line, up to two million: a year view of a large file makes
// hundreds of thousands, and each time the list outgrew its room it was copied into new memory.
// Room never filled costs no memory, only address space.
std::size_t likelyEntryCount(std::size_t lineCount, const ViewRange& range)
{
    const std::size_t weeks = static_cast<std::size_t>(range.length) / 7 + 1;
    return std::min<std::size_t>(lineCount * weeks, std::size_t{1} << 21);
}

} // namespace

EvaluationResult evaluateView(Lines& lines, const EvaluationContext& context, DayNumber evaluationDate,
                              int viewMode, EvaluationPass pass)
{
    EvaluationResult result;
    const bool special = pass != EvaluationPass::Normal;
    if (special)
        viewMode = 0;
    if (viewMode < 0 || viewMode >= kViewModeCount) {
        result.ok = false;
        result.failure = "Unbekanntes TabControl Nr. " + std::to_string(viewMode);
        return result;
    }
    const ViewMode mode = static_cast<ViewMode>(viewMode);
    ViewRange range = special ? ViewRange{evaluationDate, 0} : viewRange(mode, evaluationDate);

    if (range.contains(context.clock.today()) && pass != EvaluationPass::ErrorCheck)
        context.alarms.clear();

    Evaluation ev(lines, context, pass, mode, range);
    if (pass == EvaluationPass::Normal)
        ev.entries.reserve(likelyEntryCount(lines.size(), range));
    const std::optional<std::size_t> holidays = lastSchoolHolidayHeader(lines);
    if (holidays) {
        ev.currentLine = *holidays;
        evaluateSchoolHolidays(ev);
    }
    const std::size_t holidayEntries = ev.entries.size();
    const std::size_t insertedBeforeWalk = ev.insertedLines.size();
    walkFile(ev);
    if (holidays)
        shiftSourceLines(ev.entries, holidayEntries, *holidays,
                         std::vector<std::size_t>(ev.insertedLines.begin() +
                                                      static_cast<std::ptrdiff_t>(insertedBeforeWalk),
                                                  ev.insertedLines.end()));
    if (pass == EvaluationPass::Normal)
        evaluateInternalBlocks(ev);

    result.corrected = ev.corrected;
    if (pass == EvaluationPass::Normal) {
        if (context.options.separatorLines)
            addSeparatorLines(ev);
        sortEntries(ev.entries);
        if (!ev.entries.empty() && ev.entries.back().text.empty())
            ev.entries.pop_back();
        result.entries = std::move(ev.entries);
    }
    return result;
}

} // namespace notavi
