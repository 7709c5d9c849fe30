#pragma once

// The countdown that quits or minimises the program after a number of seconds unless the user does
// something first, and the main window's captions, which show the alarm clock and the seconds left.

#include <string>
#include <string_view>

namespace notavi {

// The stored action that quits; every other stored value minimises.
inline constexpr std::string_view kCountdownQuitAction = "Beenden";

enum class CountdownAction
{
    Quit,
    Minimise,
};

CountdownAction countdownActionOf(std::string_view storedAction);

class Countdown
{
  public:
    // Counts down from seconds; below 1 second nothing runs. Returns whether it runs.
    bool start(int seconds, CountdownAction action);

    void stop() { m_running = false; }

    bool running() const { return m_running; }

    int remaining() const { return m_remaining; }

    CountdownAction action() const { return m_action; }

    // One second has passed. True when that was the last one: the countdown is idle again and its
    // action is due. An idle countdown does not count.
    bool tick();

  private:
    int m_remaining = 0;
    CountdownAction m_action = CountdownAction::Quit;
    bool m_running = false;
};

// "Notavi", or "Notavi (Wecker aktiv)" while the alarm clock is set.
std::string_view mainCaption(bool alarmClockActive);
// The caption while a countdown runs: the main caption and the seconds left.
std::string countdownCaption(bool alarmClockActive, int remainingSeconds, CountdownAction action);

} // namespace notavi
