// Weekly appointments: "Wo Text", every week on the weekday Wo.

#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

namespace notavi {
namespace {

constexpr std::size_t kTextPosition = 4;

void evaluateWeeklyLine(Evaluation& ev)
{
    const std::optional<int> weekday = parseWeekday(ev, 1, BlockKind::Weekly);
    if (!weekday)
        return;
    for (int offset = (*weekday + 7 - ev.rangeWeekday) % 7; offset <= ev.rangeLength; offset += 7)
        composeOccurrence(ev, offset, kTextPosition, BlockKind::Weekly);
    checkOptionsOfLineWithoutEntry(ev, kTextPosition, BlockKind::Weekly);
}

} // namespace

void evaluateWeekly(Evaluation& ev)
{
    ev.adaptHeader(BlockKind::Weekly);
    forEachAppointmentLine(ev, [&ev] { evaluateWeeklyLine(ev); });
    finishBlock(ev, BlockKind::Weekly);
}

} // namespace notavi
