#pragma once

// The wall clock as the evaluation needs it; tests fix the time through their own implementation.

#include "core/calendar/day_number.h"

namespace notavi {

class Clock
{
  public:
    virtual ~Clock() = default;
    virtual DayNumber today() const = 0;
    virtual int minuteOfDay() const = 0;

    // 0..59 within the current minute; a clock that only knows minutes stands at their start.
    virtual int secondOfMinute() const { return 0; }

    // Minutes to add to local time to get UTC at this moment, daylight saving included
    // (-60 in Central European winter time); 0 when the zone is unknown.
    virtual int utcBiasMinutes() const = 0;
};

// The system's local time and zone.
class SystemClock final : public Clock
{
  public:
    DayNumber today() const override;
    int minuteOfDay() const override;
    int secondOfMinute() const override;
    int utcBiasMinutes() const override;
};

// A clock standing still, for tests and for evaluations at a chosen moment.
class FixedClock final : public Clock
{
  public:
    FixedClock(DayNumber day, int minuteOfDay, int utcBiasMinutes = 0)
        : m_day(day), m_minute(minuteOfDay), m_bias(utcBiasMinutes)
    {
    }

    DayNumber today() const override { return m_day; }

    int minuteOfDay() const override { return m_minute; }

    int utcBiasMinutes() const override { return m_bias; }

  private:
    DayNumber m_day;
    int m_minute;
    int m_bias;
};

} // namespace notavi
