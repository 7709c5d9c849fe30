#include "gui/app/window_caption.h"

#include "gui/platform/text_conversion.h"

#include <QWidget>

namespace notavi::gui {

WindowCaption::WindowCaption(QWidget& window, const AlarmClockSettings& alarmClock)
    : m_window(window), m_alarmClock(alarmClock)
{
}

void WindowCaption::showMain()
{
    m_showsCountdown = false;
    m_window.setWindowTitle(fromCp1252(mainCaption(m_alarmClock.active)));
}

void WindowCaption::showCountdown(int remainingSeconds, CountdownAction action)
{
    m_showsCountdown = true;
    m_window.setWindowTitle(fromCp1252(countdownCaption(m_alarmClock.active, remainingSeconds, action)));
}

} // namespace notavi::gui
