#include "gui/app/alarm_ticker.h"

#include "core/app/alarm_due.h"
#include "gui/app/alarm_clock_controller.h"
#include "gui/app/alarm_raiser.h"
#include "gui/platform/text_conversion.h"

namespace notavi::gui {

AlarmTicker::AlarmTicker(const Clock& clock, Timers& timers, Alarms& alarms, AlarmClockController& alarmClock,
                         AlarmRaiser& raiser, std::function<void(DayNumber previousDay)> newDay)
    : m_clock(clock), m_alarms(alarms), m_alarmClock(alarmClock), m_raiser(raiser),
      m_newDay(std::move(newDay)), m_days(clock.today()),
      C_Timer_Alarm(timers.repeating(1000, [this] { tick(); }))
{
}

AlarmTicker::~AlarmTicker() = default;

void AlarmTicker::start()
{
    C_Timer_Alarm->start();
}

void AlarmTicker::tick()
{
    const int now = m_clock.minuteOfDay();
    m_alarmClock.tick(now);
    const DayNumber previousDay = m_days.lastKnownDate();
    if (m_days.newDayBegun(m_clock.today())) {
        m_newDay(previousDay);
        return;
    }
    for (const std::string& text : takeDueAlarms(m_alarms, now))
        m_raiser.raise(fromCp1252(text), QStringLiteral("Alarmmeldung von Notavi"));
}

} // namespace notavi::gui
