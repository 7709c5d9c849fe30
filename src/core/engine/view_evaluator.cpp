#include "core/engine/view_evaluator.h"

#include "core/calendar/german_text.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"

#include <algorithm>
#include <limits>
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

// The school-holiday entries are made before the walk; end lines the walk inserted above them
// move their lines down, and the commands on the view must find the right line.
void shiftSourceLines(ViewEntries& entries, std::size_t count, const std::vector<std::size_t>& inserted)
{
    for (std::size_t i = 0; i < count; ++i) {
        auto line = static_cast<std::size_t>(entries[i].sourceLine);
        for (std::size_t at : inserted)
            if (at <= line)
                ++line;
        entries[i].sourceLine = static_cast<int>(line);
    }
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

} // namespace

namespace {

// "JJJJMMTT" + " " or "9" as a small number of the same order: day by day, separator after the
// day's entries. Keys that are no such text (never made by the evaluation) order after all others.
std::int64_t compactKey(const std::string& key)
{
    if (key.size() != 9)
        return std::numeric_limits<std::int64_t>::max();
    std::int64_t digits[8];
    for (std::size_t i = 0; i < 8; ++i) {
        if (key[i] < '0' || key[i] > '9')
            return std::numeric_limits<std::int64_t>::max();
        digits[i] = key[i] - '0';
    }
    const std::int64_t year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const std::int64_t month = digits[4] * 10 + digits[5];
    const std::int64_t day = digits[6] * 10 + digits[7];
    return ((year * 100 + month) * 32 + day) * 2 + (key[8] == ' ' ? 0 : 1);
}

} // namespace

void sortEntries(ViewEntries& entries)
{
    // Entries fall on a few hundred days: they are bucketed by day first (a counting sort over the
    // small span of keys), so the bytes of the texts are compared within one day only, past the
    // day phrase they share, and every entry moves once.
    const std::size_t count = entries.size();
    if (count < 2)
        return;
    std::vector<std::int64_t> keys(count);
    for (std::size_t i = 0; i < count; ++i)
        keys[i] = compactKey(entries[i].sortKey);
    const auto [low, high] = std::minmax_element(keys.begin(), keys.end());
    const std::int64_t lowest = *low;
    const std::int64_t span = *high - lowest + 1;
    std::vector<std::uint32_t> order(count);
    std::vector<std::uint32_t> bucketStart;
    if (span > 0 && span <= static_cast<std::int64_t>(4 * count + 4096)) {
        bucketStart.assign(static_cast<std::size_t>(span) + 1, 0);
        for (std::int64_t key : keys)
            ++bucketStart[static_cast<std::size_t>(key - lowest) + 1];
        for (std::size_t b = 1; b < bucketStart.size(); ++b)
            bucketStart[b] += bucketStart[b - 1];
        std::vector<std::uint32_t> fill(bucketStart.begin(), bucketStart.end() - 1);
        for (std::size_t i = 0; i < count; ++i)
            order[fill[static_cast<std::size_t>(keys[i] - lowest)]++] = static_cast<std::uint32_t>(i);
    } else {
        // Keys far apart (not made by the evaluation): one sort by key, one bucket per key.
        for (std::size_t i = 0; i < count; ++i)
            order[i] = static_cast<std::uint32_t>(i);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::uint32_t x, std::uint32_t y) { return keys[x] < keys[y]; });
        bucketStart.push_back(0);
        for (std::size_t i = 1; i < count; ++i)
            if (keys[order[i]] != keys[order[i - 1]])
                bucketStart.push_back(static_cast<std::uint32_t>(i));
        bucketStart.push_back(static_cast<std::uint32_t>(count));
    }

    // The texts of one day begin alike (the day phrase), and the rest repeats from day to day for
    // every recurring line: each distinct rest is ranked once, then the days sort by rank.
    std::vector<std::string_view> rests(count);
    for (std::size_t b = 0; b + 1 < bucketStart.size(); ++b) {
        auto first = order.begin() + bucketStart[b];
        auto last = order.begin() + bucketStart[b + 1];
        if (first == last)
            continue;
        std::string_view head = entries[*first].text;
        std::size_t shared = head.size();
        for (auto it = first + 1; it != last && shared > 0; ++it) {
            std::string_view text = entries[*it].text;
            auto n = static_cast<std::ptrdiff_t>(std::min(shared, text.size()));
            shared = static_cast<std::size_t>(
                std::mismatch(head.begin(), head.begin() + n, text.begin()).first - head.begin());
        }
        for (auto it = first; it != last; ++it)
            rests[*it] = std::string_view(entries[*it].text).substr(shared);
    }
    std::unordered_map<std::string_view, std::uint32_t> idOfRest;
    std::vector<std::string_view> distinct;
    std::vector<std::uint32_t> restId(count);
    for (std::size_t i = 0; i < count; ++i) {
        auto [it, added] = idOfRest.try_emplace(rests[i], static_cast<std::uint32_t>(distinct.size()));
        if (added)
            distinct.push_back(rests[i]);
        restId[i] = it->second;
    }
    // std::string_view compares bytes as unsigned char: the Windows-1252 code order.
    std::vector<std::uint32_t> byText(distinct.size());
    for (std::size_t i = 0; i < byText.size(); ++i)
        byText[i] = static_cast<std::uint32_t>(i);
    std::sort(byText.begin(), byText.end(),
              [&](std::uint32_t x, std::uint32_t y) { return distinct[x] < distinct[y]; });
    std::vector<std::uint32_t> rank(distinct.size());
    for (std::size_t r = 0; r < byText.size(); ++r)
        rank[byText[r]] = static_cast<std::uint32_t>(r);
    // Equal texts keep the order of their making.
    for (std::size_t b = 0; b + 1 < bucketStart.size(); ++b)
        std::sort(order.begin() + bucketStart[b], order.begin() + bucketStart[b + 1],
                  [&](std::uint32_t x, std::uint32_t y) {
                      std::uint32_t rx = rank[restId[x]];
                      std::uint32_t ry = rank[restId[y]];
                      return rx != ry ? rx < ry : x < y;
                  });

    ViewEntries sorted;
    sorted.reserve(count);
    for (std::uint32_t i : order)
        sorted.push_back(std::move(entries[i]));
    entries = std::move(sorted);
}

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
    if (std::optional<std::size_t> holidays = lastSchoolHolidayHeader(lines)) {
        ev.currentLine = *holidays;
        evaluateSchoolHolidays(ev);
    }
    const std::size_t holidayEntries = ev.entries.size();
    const std::size_t insertedBeforeWalk = ev.insertedLines.size();
    walkFile(ev);
    shiftSourceLines(
        ev.entries, holidayEntries,
        std::vector<std::size_t>(ev.insertedLines.begin() + static_cast<std::ptrdiff_t>(insertedBeforeWalk),
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
