#pragma once

// The alarm clock dialog: the time now, the time to ring, the message and whether the alarm clock is
// set. It lives for the whole run; the alarm tick keeps its clock running while it is shown.

#include "core/app/settings.h"
#include "core/engine/clock.h"
#include "gui/platform/dialog_look.h"

#include <functional>

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace notavi::gui {

class TC_FORM_Wecker final : public QDialog
{
    Q_OBJECT

  public:
    // The clock must outlive the dialog.
    TC_FORM_Wecker(const Clock& clock, QWidget* parent = nullptr);

    void setLookProvider(std::function<DialogLook()> look) { m_look = std::move(look); }

    // Shows the dialog modally and returns its result; tests replace it to answer for the user.
    void setRunModal(std::function<int()> runModal) { m_runModal = std::move(runModal); }

    // Shows the alarm clock's setting; OK writes the choice back and returns true. Cancel changes
    // nothing, not even the switch when its box was clicked.
    bool edit(AlarmClockSettings& alarmClock);

    // The current time in the dialog's clock.
    void showTime();
    // The caption after the alarm clock rang and switched itself off.
    void showSwitchedOff();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void prefill(const AlarmClockSettings& alarmClock);

    const Clock& m_clock;
    std::function<DialogLook()> m_look;
    std::function<int()> m_runModal;

    QLabel* C_LB_Uhrzeitbeschriftung = nullptr;
    QLabel* C_LB_Uhrzeit = nullptr;
    QLabel* C_LB_Weckzeit = nullptr;
    QTimeEdit* C_DTP_Weckzeit = nullptr;
    QLineEdit* C_EDTX_Nachricht = nullptr;
    QCheckBox* C_CHBX_Aktiviert = nullptr;
    QPushButton* C_PSBT_Ok = nullptr;
    QPushButton* C_PBST_Abbruch = nullptr;
};

} // namespace notavi::gui
