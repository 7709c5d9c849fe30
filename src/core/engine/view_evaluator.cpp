#include "core/engine/view_evaluator.h"

#include "core/calendar/german_text.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/model/school_holiday_block.h"

#include <algorithm>
#include <string_view>

namespace notavi {
namespace {

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
// Theirs are the texts made before the walk (the first one is that of the separator lines).
void shiftSourceLines(Evaluation& ev, std::size_t madeBefore, std::size_t header,
                      const std::vector<std::size_t>& inserted)
{
    std::size_t shift = 0;
    for (std::size_t at : inserted)
        if (at <= header + shift)
            ++shift;
    for (std::size_t i = ViewTexts::kSeparator + 1; i < madeBefore && shift != 0; ++i)
        ev.texts->texts[i].sourceLine += static_cast<int>(shift);
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

// Each text ranked by its rest's bytes (std::string_view compares them as unsigned char: the
// Windows-1252 code order); equal rests share a rank, so that their entries keep the order in which
// they were made.
std::vector<std::uint32_t> rankTexts(const std::vector<ViewText>& texts)
{
    std::vector<std::uint32_t> byRest(texts.size());
    for (std::size_t i = 0; i < byRest.size(); ++i)
        byRest[i] = static_cast<std::uint32_t>(i);
    std::sort(byRest.begin(), byRest.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int order = texts[a].rest.compare(texts[b].rest);
        return order != 0 ? order < 0 : a < b;
    });
    std::vector<std::uint32_t> rank(texts.size());
    std::uint32_t current = 0;
    for (std::size_t r = 0; r < byRest.size(); ++r) {
        if (r > 0 && texts[byRest[r]].rest != texts[byRest[r - 1]].rest)
            ++current;
        rank[byRest[r]] = current;
    }
    return rank;
}

// Stable: the records from `from` into `to` in the order of the ranks of their texts.
void placeByText(const std::vector<ViewRecord>& from, std::vector<ViewRecord>& to,
                 const std::vector<std::uint32_t>& rank)
{
    std::vector<std::uint32_t> start(rank.size() + 1, 0);
    for (const ViewRecord& record : from)
        ++start[rank[record.text] + 1];
    for (std::size_t k = 1; k < start.size(); ++k)
        start[k] += start[k - 1];
    to.clear();
    to.resize(from.size());
    for (const ViewRecord& record : from)
        to[start[rank[record.text]]++] = record;
}

// Stable: the records from `from` into `to` day by day, each day followed by its separator line
// when there are separators (none after the last day).
void placeByDay(const std::vector<ViewRecord>& from, std::vector<ViewRecord>& to, const Evaluation& ev,
                bool separators)
{
    const std::size_t days = static_cast<std::size_t>(ev.rangeLength) + 1;
    std::vector<std::uint32_t> start(days, 0);
    for (const ViewRecord& record : from)
        ++start[static_cast<std::size_t>(record.day - ev.rangeStart)];
    std::size_t lastDay = days;
    while (lastDay > 0 && start[lastDay - 1] == 0)
        --lastDay;
    std::vector<std::size_t> separatorAt;
    std::uint32_t at = 0;
    for (std::size_t d = 0; d < days; ++d) {
        const std::uint32_t count = start[d];
        start[d] = at;
        at += count;
        if (separators && count > 0 && d + 1 < lastDay)
            separatorAt.push_back(at++);
    }
    to.clear(); // nothing to keep: every place is written below
    to.resize(at);
    for (const ViewRecord& record : from)
        to[start[static_cast<std::size_t>(record.day - ev.rangeStart)]++] = record;
    for (std::size_t position : separatorAt)
        to[position] = {to[position - 1].day, ViewTexts::kSeparator};
}

// Room for the entries up front, so that the list is not copied as it grows: a year view makes
// about one entry a week per line. Only the memory that is written is ever touched, so a generous
// guess costs little; more entries than this just grow the list.
void reserveEntries(Evaluation& ev, EvaluationPass pass)
{
    if (pass != EvaluationPass::Normal)
        return;
    constexpr std::size_t kMostReserved = std::size_t{1} << 22;
    const std::size_t days = static_cast<std::size_t>(ev.rangeLength) + 1;
    const std::size_t perLine = days / 7 + 1;
    ev.made.reserve(std::min(ev.lines.size() * perLine + 4 * days, kMostReserved) + days);
    // A line makes one text, a birthday one for its age and one for a thousand days.
    ev.texts->texts.reserve(std::min(ev.lines.size() * 2 + 4 * days, kMostReserved));
}

// The view in its order: day by day, each day's entries by their texts (equal texts in the order
// they were made), then the day's separator line. Within a day every text begins with the day's
// phrase, so the rests decide: two counting sorts, by the rank of the rest and then by the day,
// order the entries in time linear in their number.
ViewEntries assembleView(Evaluation& ev, bool separators)
{
    std::vector<ViewRecord>& made = ev.made;
    const bool allInRange = std::all_of(made.begin(), made.end(), [&ev](const ViewRecord& r) {
        return ev.texts->texts[r.text].flags & ViewText::kDayPhrase;
    });
    if (!allInRange) {
        // Entries outside the range (an evaluator's fault) take their place by their days.
        ViewEntries view(ev.texts, std::move(made));
        for (std::size_t d = 0; separators && d < ev.daysWithEntries.size(); ++d)
            if (ev.daysWithEntries[d])
                view.addSeparator(ev.rangeStart + static_cast<int>(d));
        view.sort();
        if (!view.empty() && view.back().isSeparator())
            view.pop_back();
        return view;
    }
    std::vector<ViewRecord> byText;
    placeByText(made, byText, rankTexts(ev.texts->texts));
    placeByDay(byText, made, ev, separators);
    return ViewEntries(ev.texts, std::move(made));
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
    reserveEntries(ev, pass);
    const std::optional<std::size_t> holidays = schoolHolidayHeaderOfView(lines);
    if (holidays) {
        ev.currentLine = *holidays;
        evaluateSchoolHolidays(ev);
    }
    const std::size_t holidayTexts = ev.texts->texts.size();
    const std::size_t insertedBeforeWalk = ev.insertedLines.size();
    walkFile(ev);
    if (holidays)
        shiftSourceLines(ev, holidayTexts, *holidays,
                         std::vector<std::size_t>(ev.insertedLines.begin() +
                                                      static_cast<std::ptrdiff_t>(insertedBeforeWalk),
                                                  ev.insertedLines.end()));
    if (pass == EvaluationPass::Normal)
        evaluateInternalBlocks(ev);

    result.corrected = ev.corrected;
    if (pass == EvaluationPass::Normal) {
        result.entries = assembleView(ev, context.options.separatorLines);
    }
    return result;
}

} // namespace notavi
