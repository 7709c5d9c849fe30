// "x.wo MM Text": the x-th (1 to 5) or last (9) weekday wo of month MM, or of every month for "00".

#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

namespace notavi {
namespace {

constexpr std::size_t kTextPosition = 9;
constexpr int kLast = kLastWeekdayOrdinal;
constexpr int kEveryMonth = 0;

struct XthWeekday
{
    int ordinal = 0; // 1 ... 5, or kLast
    int weekday = 0; // 1 = Monday ... 7 = Sunday
    int month = 0;   // 1 ... 12, or kEveryMonth
};

std::optional<int> readOrdinal(Evaluation& ev)
{
    const std::string written = charactersAt(ev.line(), 1, 1);
    if (const std::optional<int> ordinal = written.empty() ? std::nullopt : xthOrdinal(written[0]))
        return ordinal;
    ev.reportLineError(
        ev.quotedLine() + " beginnt nicht mit \"9\" bzw. einer Zahl zwischen \"1\" und \"5\" sondern mit \"" +
            written + "\".",
        ev.currentLine, false, recurringBlockName(BlockKind::XthWeekday));
    return std::nullopt;
}

std::optional<int> readMonth(Evaluation& ev)
{
    const std::string written = charactersAt(ev.line(), 6, 2);
    if (const std::optional<int> month = xthMonth(written))
        return month;
    ev.reportLineError(ev.quotedLine() + " enth\xE4lt den ung\xFCltigen Monat \"" + written + "\".",
                       ev.currentLine, false, recurringBlockName(BlockKind::XthWeekday));
    return std::nullopt;
}

std::optional<XthWeekday> readRule(Evaluation& ev)
{
    const std::optional<int> ordinal = readOrdinal(ev);
    if (!ordinal)
        return std::nullopt;
    const std::optional<int> weekday = parseWeekday(ev, 3, BlockKind::XthWeekday);
    if (!weekday)
        return std::nullopt;
    const std::optional<int> month = readMonth(ev);
    if (!month)
        return std::nullopt;
    return XthWeekday{*ordinal, *weekday, *month};
}

// The day of the rule in the given month; nullopt when the month has no such day (a fifth Monday).
std::optional<DayNumber> occurrenceIn(const XthWeekday& rule, YearMonth month)
{
    const DayNumber first = toDayNumber(month.year, month.month, 1);
    const int firstHit = 1 + (rule.weekday - isoWeekday(first) + 7) % 7;
    const int length = daysInMonth(month.year, month.month);
    int day = firstHit + 7 * ((rule.ordinal == kLast ? 5 : rule.ordinal) - 1);
    if (day > length && rule.ordinal == kLast)
        day -= 7;
    if (day > length)
        return std::nullopt;
    return first + day - 1;
}

void composeOccurrenceIn(Evaluation& ev, const XthWeekday& rule, YearMonth month)
{
    if (std::optional<DayNumber> day = occurrenceIn(rule, month))
        composeIfInRange(ev, *day, kTextPosition, BlockKind::XthWeekday);
}

void evaluateFixedMonth(Evaluation& ev, const XthWeekday& rule)
{
    const std::optional<DayNumber> day = occurrenceIn(rule, {ev.rangeDate.year, rule.month});
    if (day && ev.inRange(*day)) {
        composeIfInRange(ev, *day, kTextPosition, BlockKind::XthWeekday);
        return;
    }
    // A range that starts in December may reach into the following January; this holds for the last
    // weekday as well as for the first to fifth.
    if (rule.month == 1)
        composeOccurrenceIn(ev, rule, {ev.rangeDate.year + 1, 1});
}

void evaluateXthWeekdayLine(Evaluation& ev)
{
    const std::optional<XthWeekday> rule = readRule(ev);
    if (!rule)
        return;
    if (rule->month == kEveryMonth)
        forEachMonthOfRange(ev, [&ev, &rule](YearMonth month) { composeOccurrenceIn(ev, *rule, month); });
    else
        evaluateFixedMonth(ev, *rule);
    checkOptionsOfLineWithoutEntry(ev, kTextPosition, BlockKind::XthWeekday);
}

} // namespace

void evaluateXthWeekday(Evaluation& ev)
{
    ev.adaptHeader(BlockKind::XthWeekday);
    forEachAppointmentLine(ev, [&ev] { evaluateXthWeekdayLine(ev); });
    finishBlock(ev, BlockKind::XthWeekday);
}

} // namespace notavi
