// Two-, four- and six-weekly appointments and "+Alle x Tage": "TT.MM.JJJJ Text" from the start date
// on every period-th day; the every-x-days lines carry their interval after the date.

#include "core/calendar/german_text.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

namespace notavi {
namespace {

constexpr std::size_t kFixedPeriodTextPosition = 12;
constexpr int kMaxInterval = 999;

struct Interval
{
    int days = 0;
    std::size_t textPosition = 0;
};

std::optional<Interval> readInterval(Evaluation& ev)
{
    const IntervalField field = intervalFieldOf(ev.line());
    const std::string& written = field.written;
    const std::optional<int> days = wholeNumber(written);
    if (!days || *days < 1 || *days > kMaxInterval) {
        ev.reportLineError(ev.quotedLine() + " enth\xE4lt die ung\xFCltige Anzahl an Tagen: \"" + written +
                               "\".",
                           ev.currentLine, false, recurringBlockName(BlockKind::EveryXDays));
        return std::nullopt;
    }
    return Interval{*days, field.textPosition};
}

// Offset of the first occurrence in the range: the start date or a whole number of periods after
// it; nullopt when the start date lies after the range.
std::optional<int> firstOffset(const Evaluation& ev, DayNumber startDate, int period)
{
    const int diff = ev.rangeStart - startDate;
    if (diff >= 0)
        return (period - diff % period) % period;
    if (-diff <= ev.rangeLength)
        return -diff;
    return std::nullopt;
}

void evaluateLine(Evaluation& ev, int fixedPeriod, BlockKind block)
{
    const std::string startText = ev.line().substr(0, 10);
    if (!ev.dateCheck(startText, recurringBlockName(block)))
        return;
    Interval interval{fixedPeriod, kFixedPeriodTextPosition};
    if (fixedPeriod == 0) {
        std::optional<Interval> read = readInterval(ev);
        if (!read)
            return;
        interval = *read;
    }
    if (std::optional<int> first = firstOffset(ev, *parseDateText(startText), interval.days))
        for (int offset = *first; offset <= ev.rangeLength; offset += interval.days)
            composeOccurrence(ev, offset, interval.textPosition, block);
    checkOptionsOfLineWithoutEntry(ev, interval.textPosition, block);
}

} // namespace

void evaluateEveryNDays(Evaluation& ev, int periodDays, BlockKind block)
{
    ev.adaptHeader(block);
    forEachAppointmentLine(ev, [&] { evaluateLine(ev, periodDays, block); });
    finishBlock(ev, block);
}

} // namespace notavi
