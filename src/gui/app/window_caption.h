#pragma once

// The main window's caption, written by the countdown (its seconds) and the alarm clock (whether it
// is set). It remembers whether it shows the countdown, so that the alarm clock leaves that alone.

#include "core/app/countdown.h"
#include "core/app/settings.h"

class QWidget;

namespace notavi::gui {

class WindowCaption
{
  public:
    // Both must outlive the caption.
    WindowCaption(QWidget& window, const AlarmClockSettings& alarmClock);

    // "Notavi", or "Notavi (Wecker aktiv)" while the alarm clock is set.
    void showMain();
    void showCountdown(int remainingSeconds, CountdownAction action);

    bool showsCountdown() const { return m_showsCountdown; }

  private:
    QWidget& m_window;
    const AlarmClockSettings& m_alarmClock;
    bool m_showsCountdown = false;
};

} // namespace notavi::gui
