#pragma once

// Raises an alarm: the warning sound, a new alarm window with the text, on top of every window when
// the user wants alarms in front (then the tray icon is put back in place too), and a flashing
// taskbar button. Appointment alarms and the alarm clock ring the same way.

#include "core/app/settings.h"
#include "gui/app/tc_form_alarm.h"
#include "gui/platform/beeper.h"

#include <functional>
#include <vector>

#include <QPointer>

namespace notavi::gui {

class TrayController;

class AlarmRaiser
{
  public:
    // All must outlive the raiser; look gives the main view's colours and font at the moment of
    // the alarm.
    AlarmRaiser(Beeper& beeper, const ExtrasSettings& extras, TrayController& tray,
                std::function<AlarmLook()> look);
    // Alarm windows still open when the program ends go with it.
    ~AlarmRaiser();

    AlarmRaiser(const AlarmRaiser&) = delete;
    AlarmRaiser& operator=(const AlarmRaiser&) = delete;

    TC_FORM_Alarm* raise(const QString& text, const QString& caption);

    // The alarm windows not yet closed, oldest first.
    std::vector<TC_FORM_Alarm*> openWindows() const;

  private:
    Beeper& m_beeper;
    const ExtrasSettings& m_extras;
    TrayController& m_tray;
    std::function<AlarmLook()> m_look;
    std::vector<QPointer<TC_FORM_Alarm>> m_windows;
};

} // namespace notavi::gui
