#pragma once

// The alarm clock: its dialog, the caption that says it is set, and the ring at its minute, after
// which it switches itself off. Its state lives in the settings section "Wecker", written whenever
// it changes, so that it survives a restart.

#include "core/app/program_state.h"
#include "gui/app/alarm_raiser.h"
#include "gui/app/tc_form_wecker.h"
#include "gui/app/window_caption.h"

namespace notavi::gui {

class AlarmClockController
{
  public:
    // All must outlive the controller; the dialog becomes a child of the main window.
    AlarmClockController(const Clock& clock, ProgramState& state, WindowCaption& caption, AlarmRaiser& raiser,
                         QWidget& mainWindow);

    TC_FORM_Wecker& dialog() { return *C_FORM_Wecker; }

    // The command: the dialog, and on OK the new setting stored and shown in the caption.
    void open();
    // Once a second with the minute of the day.
    void tick(int now);

  private:
    ProgramState& m_state;
    WindowCaption& m_caption;
    AlarmRaiser& m_raiser;
    TC_FORM_Wecker* C_FORM_Wecker; // owned by the main window
};

} // namespace notavi::gui
