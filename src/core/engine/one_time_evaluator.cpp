#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"

namespace notavi {
namespace {

const std::string& oneTimeName()
{
    return BlockCatalogue::displayName(blockNumber(BlockKind::OneTime));
}

} // namespace

void evaluateOneTime(Evaluation& ev)
{
    ev.adaptHeader(BlockKind::OneTime);
    forEachAppointmentLine(ev, [&ev] {
        const std::string date = ev.line().substr(0, 10);
        // The appointment happens once: the same day a year later is no occurrence.
        if (ev.anniversaryRangeTest(date, oneTimeName()) && !ev.nextYearHit) {
            ev.entryText = ev.lineFrom(12);
            ev.compose("", ev.switchOf(BlockKind::OneTime), BlockKind::OneTime);
        } else if (ev.isErrorCheck()) {
            ev.entryText = ev.lineFrom(12);
            ev.dayOffset = 0;
            ev.compose("", false, BlockKind::OneTime);
        }
    });
    finishBlock(ev, BlockKind::OneTime);
}

} // namespace notavi
