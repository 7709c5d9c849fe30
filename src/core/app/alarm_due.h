#pragma once

// What rings at a minute of the day: today's appointment alarms and the alarm clock. The once-a-second
// tick asks both; each answer costs a walk over today's alarms only, never over the file.

#include "core/app/settings.h"
#include "core/engine/view_entry.h"

#include <string>
#include <vector>

namespace notavi {

// The minute an alarm is set to once it has been raised: beyond every minute of a day, so that it
// never comes due again until the next evaluation of today replaces the list.
constexpr int kRaisedAlarmMinute = 1441;

// The texts of the alarms due at minute `now` (0..1439), in list order, each marked as raised. An
// alarm whose minute passed without a tick (the computer slept, the program was busy) is due at the
// next tick rather than lost: an evaluation only registers minutes still ahead, so nothing older than
// the list itself rings.
std::vector<std::string> takeDueAlarms(Alarms& alarms, int now);

// Whether the alarm clock rings at minute `now`; when it does it is switched off, as it rings once
// for each time it is set.
bool alarmClockRings(AlarmClockSettings& alarmClock, int now);

} // namespace notavi
