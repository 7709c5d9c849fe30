// The main window's timed parts: the alarm tick with the alarm windows and the alarm clock, the
// countdown, the tray, and the view following the calendar into a new day.

#include "core/app/day_watch.h"
#include "core/engine/view_range.h"
#include "gui/app/alarm_clock_controller.h"
#include "gui/app/alarm_raiser.h"
#include "gui/app/alarm_ticker.h"
#include "gui/app/countdown_controller.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/app/tray_controller.h"
#include "gui/app/window_caption.h"
#include "gui/platform/settings_conversion.h"

#include <QAction>
#include <QEvent>

namespace notavi::gui {

void TC_FORM_Haupt::createTimedControllers()
{
    m_caption = std::make_unique<WindowCaption>(*this, m_state.settings().alarmClock);
    m_tray = std::make_unique<TrayController>(m_desktop.tray, m_desktop.boxes, m_state, *this,
                                              [this] { C_MItem_EndeClick(); });
    m_alarmRaiser = std::make_unique<AlarmRaiser>(m_desktop.beeper, m_state.settings().extras, *m_tray,
                                                  [this] { return alarmLook(); });
    m_alarmClock =
        std::make_unique<AlarmClockController>(m_desktop.clock, m_state, *m_caption, *m_alarmRaiser, *this);
    m_alarmClock->dialog().setLookProvider([this] { return dialogLook(); });
    m_countdown = std::make_unique<CountdownController>(
        m_desktop.timers, m_state, *m_caption, *action(Command::C_MItem_TimerDeaktivieren),
        CountdownEnds{[this] { C_MItem_EndeClick(); }, [this] { showMinimized(); }});
    m_countdown->stopOnClicksIn(*C_RE_TerminAnzeige->viewport());
    m_alarmTicker = std::make_unique<AlarmTicker>(
        m_desktop.clock, m_desktop.timers, m_state.alarms(), *m_alarmClock, *m_alarmRaiser,
        [this](DayNumber previousDay) { followNewDay(previousDay); });
    connect(action(Command::C_MItem_Wecker), &QAction::triggered, this, &TC_FORM_Haupt::C_MItem_WeckerClick);
    connect(action(Command::C_MItem_TimerSetzen), &QAction::triggered, this,
            &TC_FORM_Haupt::C_MItem_TimerSetzenClick);
}

void TC_FORM_Haupt::stopCountdown()
{
    if (m_countdown)
        m_countdown->stop();
}

bool TC_FORM_Haupt::countdownRunning() const
{
    return m_countdown && m_countdown->running();
}

void TC_FORM_Haupt::C_MItem_WeckerClick()
{
    stopCountdown();
    m_alarmClock->open();
}

void TC_FORM_Haupt::C_MItem_TimerSetzenClick()
{
    stopCountdown();
    m_countdown->set(*m_input);
}

AlarmLook TC_FORM_Haupt::alarmLook() const
{
    const MainWindowSettings& main = m_state.settings().main;
    return {main.dialogsFollowView, toQColor(main.background.effective()), C_RE_TerminAnzeige->font(),
            toQColor(main.font.colour)};
}

// Yesterday's alarms end with yesterday. A view of the old today moves on with the calendar and
// collects the new day's alarms; a view of a date the user chose stays, and the alarm pass collects
// them beside it. Either way the view is worded anew ("Heute", "Morgen").
void TC_FORM_Haupt::followNewDay(DayNumber previousDay)
{
    const DayNumber today = m_desktop.clock.today();
    m_state.alarms().clear();
    m_evaluationDate = evaluationDateOnNewDay(m_evaluationDate, previousDay, today);
    if (!m_state.fileLoaded()) {
        setTabCaptions();
        return;
    }
    if (!viewRange(static_cast<ViewMode>(viewMode()), m_evaluationDate).contains(today))
        m_state.collectTodaysAlarms(displayOptions(), m_desktop.clock, m_lineErrors);
    evaluate();
}

void TC_FORM_Haupt::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_tray)
        m_tray->windowMinimised();
}

} // namespace notavi::gui
