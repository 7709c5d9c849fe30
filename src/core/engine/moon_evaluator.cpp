// The computed moon-phase block: the events of one phase in the view range, in local time.

#include "core/calendar/german_text.h"
#include "core/calendar/moon_phase.h"
#include "core/engine/evaluators.h"

#include <array>

namespace notavi {
namespace {

const std::string& phaseText(MoonPhase phase)
{
    static const std::array<std::string, 4> kTexts = {"Neumond", "zunehmender Halbmond", "Vollmond",
                                                      "abnehmender Halbmond"};
    return kTexts[static_cast<std::size_t>(phase)];
}

std::string entryTextOf(MoonPhase phase, const DayAndMinute& local, bool withTime)
{
    if (!withTime)
        return phaseText(phase) + ".";
    return phaseText(phase) + " (" + formatTime(local.minuteOfDay) + " Uhr).";
}

} // namespace

void evaluateMoonPhase(Evaluation& ev, MoonPhase phase)
{
    const bool withTime = ev.context.options.moonPhaseTime;
    double from = ev.rangeStart;
    for (;;) {
        const double event = nextMoonPhase(phase, from, ev.utcBiasMinutes);
        const DayAndMinute local = splitDateTime(event);
        if (!ev.inRange(local.day))
            return;
        ev.dayOffset = local.day - ev.rangeStart;
        ev.internalEntry(entryTextOf(phase, local, withTime), BlockKind::MoonPhases);
        // No lunation is shorter than 27 days: the search from there finds the next event.
        from = event + 27.0;
    }
}

} // namespace notavi
