// Yearly appointments: "TT.MM Text" every year on that day; "99.02" is the last day of February.

#include "core/calendar/german_text.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

namespace notavi {
namespace {

constexpr std::size_t kTextPosition = 7;

std::string fourDigitYear(int year)
{
    std::string digits = std::to_string(year);
    return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

void evaluateYearlyLine(Evaluation& ev)
{
    std::string dayAndMonth = ev.line().substr(0, 5);
    if (dayAndMonth == "99.02")
        dayAndMonth = isLeapYear(ev.rangeDate.year) ? "29.02" : "28.02";
    // The test also finds the day of the following year when the range crosses New Year; a 29.02
    // falls on 28.02 in other years.
    const std::string occurrence = dayAndMonth + "." + fourDigitYear(ev.rangeDate.year);
    if (ev.anniversaryRangeTest(occurrence, recurringBlockName(BlockKind::Yearly)))
        composeOccurrence(ev, ev.dayOffset, kTextPosition, BlockKind::Yearly);
    else if (parseDateText(occurrence) || dayAndMonth == "29.02")
        checkOptionsOfLineWithoutEntry(ev, kTextPosition, BlockKind::Yearly);
}

} // namespace

void evaluateYearly(Evaluation& ev)
{
    ev.adaptHeader(BlockKind::Yearly);
    forEachAppointmentLine(ev, [&ev] { evaluateYearlyLine(ev); });
    finishBlock(ev, BlockKind::Yearly);
}

} // namespace notavi
