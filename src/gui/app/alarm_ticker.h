#pragma once

// The once-a-second tick of the main window: the alarm clock, the change to a new day and today's
// appointment alarms, each raised once at its minute. A tick without a due alarm touches neither
// the file nor the view.

#include "core/app/day_watch.h"
#include "core/engine/clock.h"
#include "core/engine/view_entry.h"
#include "gui/platform/timers.h"

#include <functional>
#include <memory>

namespace notavi::gui {

class AlarmClockController;
class AlarmRaiser;

class AlarmTicker
{
  public:
    // All must outlive the ticker. newDay runs at the first tick of a later day with the day before;
    // that tick raises no appointment alarm (the list is being made anew).
    AlarmTicker(const Clock& clock, Timers& timers, Alarms& alarms, AlarmClockController& alarmClock,
                AlarmRaiser& raiser, std::function<void(DayNumber previousDay)> newDay);
    ~AlarmTicker();

    // Runs for the rest of the program.
    void start();
    void tick();

  private:
    const Clock& m_clock;
    Alarms& m_alarms;
    AlarmClockController& m_alarmClock;
    AlarmRaiser& m_raiser;
    std::function<void(DayNumber)> m_newDay;
    DayWatch m_days;
    std::unique_ptr<RepeatingTimer> C_Timer_Alarm;
};

} // namespace notavi::gui
