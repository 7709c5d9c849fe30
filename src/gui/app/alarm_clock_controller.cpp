#include "gui/app/alarm_clock_controller.h"

#include "core/app/alarm_due.h"
#include "gui/platform/text_conversion.h"

namespace notavi::gui {

AlarmClockController::AlarmClockController(const Clock& clock, ProgramState& state, WindowCaption& caption,
                                           AlarmRaiser& raiser, QWidget& mainWindow)
    : m_state(state), m_caption(caption), m_raiser(raiser),
      C_FORM_Wecker(new TC_FORM_Wecker(clock, &mainWindow))
{
}

void AlarmClockController::open()
{
    if (!C_FORM_Wecker->edit(m_state.settings().alarmClock))
        return;
    m_state.saveSettings(SettingsSection::AlarmClock);
    m_caption.showMain();
}

void AlarmClockController::tick(int now)
{
    if (C_FORM_Wecker->isVisible())
        C_FORM_Wecker->showTime();
    AlarmClockSettings& alarmClock = m_state.settings().alarmClock;
    if (!alarmClock.active)
        return;
    // The countdown's text has the caption to itself while it runs.
    if (!m_caption.showsCountdown())
        m_caption.showMain();
    if (!alarmClockRings(alarmClock, now))
        return;
    m_raiser.raise(fromCp1252(alarmClock.message), QStringLiteral("> > Notavi - Wecker < <"));
    C_FORM_Wecker->showSwitchedOff();
    if (!m_caption.showsCountdown())
        m_caption.showMain();
    m_state.saveSettings(SettingsSection::AlarmClock);
}

} // namespace notavi::gui
