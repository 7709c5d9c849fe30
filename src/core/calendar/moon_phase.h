#pragma once

// The instants of the Moon's principal phases by the mean-lunation series with its periodic and
// planetary corrections (first-edition constants). The error against a full lunar theory stays
// within well under a minute for 1900-2100. The series yields dynamical time; it is taken as
// universal time, which puts the events about one minute late around 2000.

#include "core/calendar/julian_day.h"

namespace notavi {

// The four phases, in their order through a lunation.
enum class MoonPhase
{
    NewMoon = 0,
    FirstQuarter = 1,
    FullMoon = 2,
    LastQuarter = 3,
};

// Julian Day of the event of the phase in lunation k, the number of lunations from 01.01.2000 to
// the date-time, rounded (k = 0 has the new moon of 6 January 2000). The event may lie some weeks
// before or after the date-time; nextMoonPhase finds the one that follows it.
double moonPhaseJulianDay(MoonPhase phase, double dateTime);

// The same event as local date-time, with local time = UTC - bias (bias in minutes, as the
// system's time-zone information defines it: -60 in Central European winter time).
double moonPhaseTime(MoonPhase phase, double dateTime, int utcBiasMinutes);

// The first event of the phase at or after the local date-time, as local date-time.
double nextMoonPhase(MoonPhase phase, double dateTime, int utcBiasMinutes);

} // namespace notavi
