#pragma once

// Time that moves only when the test says so: a clock it sets and advances, and timers that tick
// when it fires them (each active timer once per fire, as a second passing would).

#include "core/engine/clock.h"
#include "gui/platform/timers.h"

#include <memory>
#include <vector>

namespace notavi::gui::test {

class AdvancingClock final : public Clock
{
  public:
    AdvancingClock(DayNumber day, int minuteOfDay, int utcBiasMinutes = 0)
        : m_day(day), m_minute(minuteOfDay), m_bias(utcBiasMinutes)
    {
    }

    DayNumber today() const override { return m_day; }

    int minuteOfDay() const override { return m_minute; }

    int secondOfMinute() const override { return m_second; }

    int utcBiasMinutes() const override { return m_bias; }

    void set(DayNumber day, int minuteOfDay, int second = 0)
    {
        m_day = day;
        m_minute = minuteOfDay;
        m_second = second;
    }

    // Moves on by whole minutes, across midnight into the next days; the second stays.
    void advanceMinutes(int minutes)
    {
        const int total = m_minute + minutes;
        const int days = total >= 0 ? total / 1440 : -((-total + 1439) / 1440);
        m_day += days;
        m_minute = total - days * 1440;
    }

    // Moves on by seconds, into the next minutes and days (forwards only).
    void advanceSeconds(int seconds)
    {
        const int total = m_second + seconds;
        m_second = total % 60;
        advanceMinutes(total / 60);
    }

  private:
    DayNumber m_day;
    int m_minute;
    int m_second = 0;
    int m_bias;
};

class ManualTimers final : public Timers
{
  public:
    std::unique_ptr<RepeatingTimer> repeating(int intervalMs, std::function<void()> tick) override;

    // Calls every running timer once.
    void fire();
    int runningCount() const;

  private:
    struct State
    {
        int intervalMs = 0;
        std::function<void()> tick;
        bool active = false;
        bool alive = true;
    };

    std::vector<std::shared_ptr<State>> m_timers;
};

} // namespace notavi::gui::test
