// Name days: a day of the year without a year of its own.

#include "core/calendar/german_text.h"
#include "core/engine/anniversary_occurrence.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

namespace notavi {
namespace {

constexpr std::string_view kNameDayName = "Namenstage";
constexpr std::size_t kNamePosition = 7;

void evaluateNameDayLine(Evaluation& ev)
{
    const std::string date = dateInYear(ev.line().substr(0, 5) + ".", ev.rangeDate.year);
    if (ev.anniversaryRangeTest(date, kNameDayName)) {
        ev.entryText = ev.lineFrom(kNamePosition) + " Namenstag.";
        ev.compose(ev.lastFourWeeksBeforeEvaluationDate() ? "hatte " : "hat ",
                   ev.switchOf(BlockKind::NameDays), BlockKind::NameDays);
    } else {
        // Also a line with a faulty date: its other faults belong on the check list as well.
        checkOptionsOfLineWithoutEntry(ev, kNamePosition, BlockKind::NameDays);
    }
}

} // namespace

void evaluateNameDays(Evaluation& ev)
{
    ev.adaptHeader(BlockKind::NameDays);
    forEachAppointmentLine(ev, [&ev] { evaluateNameDayLine(ev); });
    finishBlock(ev, BlockKind::NameDays);
}

} // namespace notavi
