#include "core/app/alarm_due.h"

namespace notavi {

std::vector<std::string> takeDueAlarms(Alarms& alarms, int now)
{
    std::vector<std::string> due;
    for (Alarm& alarm : alarms) {
        if (alarm.minuteOfDay > now)
            continue;
        alarm.minuteOfDay = kRaisedAlarmMinute;
        due.push_back(alarm.text);
    }
    return due;
}

bool alarmClockRings(AlarmClockSettings& alarmClock, int now)
{
    if (!alarmClock.active || alarmClock.minuteOfDay != now)
        return false;
    alarmClock.active = false;
    return true;
}

} // namespace notavi
