#include "core/engine/view_evaluator.h"

#include "core/calendar/german_text.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_map>

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
// madeBefore[d] is how many entries day d had when the walk began (they come first in its list).
void shiftSourceLines(Evaluation& ev, const std::vector<std::size_t>& madeBefore, std::size_t header,
                      const std::vector<std::size_t>& inserted)
{
    std::size_t shift = 0;
    for (std::size_t at : inserted)
        if (at <= header + shift)
            ++shift;
    if (shift == 0)
        return;
    for (std::size_t d = 0; d < ev.dayEntries.size(); ++d)
        for (std::size_t i = 0; i < madeBefore[d]; ++i)
            ev.dayEntries[d][i].sourceLine += static_cast<int>(shift);
}

std::vector<std::size_t> entriesPerDay(const Evaluation& ev)
{
    std::vector<std::size_t> counts(ev.dayEntries.size());
    for (std::size_t d = 0; d < counts.size(); ++d)
        counts[d] = ev.dayEntries[d].size();
    return counts;
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

ViewEntry separatorLine(const Evaluation& ev, int dayOffset)
{
    ViewEntry separator;
    separator.sortKey = dateKey(ev.rangeStart + dayOffset) + "9";
    separator.sourceLine = kSeparatorSourceLine;
    return separator;
}

// Every entry text of a day is the day's phrase and then the rest; a recurring line gives the same
// rest on every day it occurs. Each distinct rest is ranked once by its bytes (std::string_view
// compares them as unsigned char: the Windows-1252 code order), so the days sort by numbers.
struct RestRanks
{
    std::vector<std::vector<std::uint32_t>> rankOfEntry; // per day, per entry
};

RestRanks rankRests(const Evaluation& ev)
{
    std::unordered_map<std::string_view, std::uint32_t> idOfRest;
    std::vector<std::string_view> rests;
    RestRanks ranks;
    ranks.rankOfEntry.resize(ev.dayEntries.size());
    for (std::size_t d = 0; d < ev.dayEntries.size(); ++d) {
        const std::size_t phrase = ev.dayPhraseLength(static_cast<int>(d));
        std::vector<std::uint32_t>& ids = ranks.rankOfEntry[d];
        ids.reserve(ev.dayEntries[d].size());
        for (const ViewEntry& entry : ev.dayEntries[d]) {
            const std::string_view rest = std::string_view(entry.text).substr(phrase);
            auto [it, added] = idOfRest.try_emplace(rest, static_cast<std::uint32_t>(rests.size()));
            if (added)
                rests.push_back(rest);
            ids.push_back(it->second);
        }
    }
    std::vector<std::uint32_t> byText(rests.size());
    for (std::size_t i = 0; i < byText.size(); ++i)
        byText[i] = static_cast<std::uint32_t>(i);
    std::sort(byText.begin(), byText.end(),
              [&](std::uint32_t a, std::uint32_t b) { return rests[a] < rests[b]; });
    std::vector<std::uint32_t> rank(rests.size());
    for (std::size_t r = 0; r < byText.size(); ++r)
        rank[byText[r]] = static_cast<std::uint32_t>(r);
    for (std::vector<std::uint32_t>& ids : ranks.rankOfEntry)
        for (std::uint32_t& id : ids)
            id = rank[id];
    return ranks;
}

// The view in its order: day by day, each day's entries by their texts (equal texts in the order
// they were made), then the day's separator line. The days were kept apart while the entries
// were made, so each is ordered on its own, in memory that is close together, and every entry
// moves once.
ViewEntries assembleView(Evaluation& ev, bool separators)
{
    const RestRanks ranks = rankRests(ev);
    ViewEntries view;
    view.reserve(ev.entryCount() + (separators ? ev.dayEntries.size() : 0));
    std::vector<std::uint32_t> order;
    for (std::size_t d = 0; d < ev.dayEntries.size(); ++d) {
        ViewEntries& day = ev.dayEntries[d];
        if (day.empty())
            continue;
        const std::vector<std::uint32_t>& rank = ranks.rankOfEntry[d];
        order.resize(day.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<std::uint32_t>(i);
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return rank[a] != rank[b] ? rank[a] < rank[b] : a < b;
        });
        for (std::uint32_t i : order)
            view.push_back(std::move(day[i]));
        ViewEntries().swap(day);
        if (separators)
            view.push_back(separatorLine(ev, static_cast<int>(d)));
    }
    if (!ev.entries.empty()) {
        // Entries outside the range (an evaluator's fault) take their place by their keys.
        std::move(ev.entries.begin(), ev.entries.end(), std::back_inserter(view));
        sortEntries(view);
    }
    if (!view.empty() && view.back().text.empty())
        view.pop_back();
    return view;
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
    const std::optional<std::size_t> holidays = lastSchoolHolidayHeader(lines);
    if (holidays) {
        ev.currentLine = *holidays;
        evaluateSchoolHolidays(ev);
    }
    const std::vector<std::size_t> holidayEntries = entriesPerDay(ev);
    const std::size_t insertedBeforeWalk = ev.insertedLines.size();
    walkFile(ev);
    if (holidays)
        shiftSourceLines(ev, holidayEntries, *holidays,
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
