#include "core/app/countdown.h"

namespace notavi {

CountdownAction countdownActionOf(std::string_view storedAction)
{
    return storedAction == kCountdownQuitAction ? CountdownAction::Quit : CountdownAction::Minimise;
}

bool Countdown::start(int seconds, CountdownAction action)
{
    m_remaining = seconds;
    m_action = action;
    m_running = seconds > 0;
    return m_running;
}

bool Countdown::tick()
{
    if (!m_running)
        return false;
    --m_remaining;
    if (m_remaining > 0)
        return false;
    m_running = false;
    return true;
}

std::string_view mainCaption(bool alarmClockActive)
{
    return alarmClockActive ? "Notavi (Wecker aktiv)" : "Notavi";
}

std::string countdownCaption(bool alarmClockActive, int remainingSeconds, CountdownAction action)
{
    std::string caption(mainCaption(alarmClockActive));
    const std::string seconds = std::to_string(remainingSeconds);
    if (action == CountdownAction::Quit)
        return caption + " - noch " + seconds +
               " Sekunde(n) bis zum Programmende. Abbruch mit F12 oder Mausklick ins Fenster";
    return caption + " wird in " + seconds + " Sekunde(n) minimiert. Abbruch mit F12 oder Mausklick";
}

} // namespace notavi
