#pragma once

// "Berechnung des Termindatums": an appointment date as a number of days, weeks, months or years
// before or after a start date, for the entry dialog's date or for the editor's current line, and on
// request copied to the clipboard.

#include "core/calendar/day_number.h"
#include "gui/platform/desktop.h"
#include "gui/platform/dialog_look.h"
#include "gui/platform/modal_run.h"

#include <optional>

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace notavi::gui {

class UpDown;

// Who takes the result: the entry dialog's date, or the editor's current line (and calendar).
enum class DateCalculationTarget
{
    EntryDialog,
    Editor,
};

struct DateCalculationOutcome
{
    DayNumber date = 0;
    // The user asked for the date in the editor's current line (only for the editor as target).
    bool intoEditorLine = false;
};

class TC_FORM_Datumsberechnung final : public QDialog
{
    Q_OBJECT

  public:
    // look: the owner the dialog is centred over (the entry dialog or the editor) and its colours.
    TC_FORM_Datumsberechnung(const Desktop& desktop, DateCalculationTarget target, const DialogLook& look,
                             QWidget* parent = nullptr);

    // Shows the dialog through run; after OK the computed date (the clipboard already holds it when
    // that was chosen), nothing after "Abbrechen" or Escape.
    std::optional<DateCalculationOutcome> ask(const ModalRun& run = execModally);

  private:
    void createControls();
    void layOutControls();
    void compute();
    void leaveCount();
    void C_PSBT_OKClick();

    Desktop m_desktop;
    std::optional<DayNumber> m_result;

    QLabel* C_LB_Hinweis1 = nullptr;
    QLineEdit* C_EDTX_Anzahl = nullptr;
    UpDown* C_UpDown_Anzahl = nullptr;
    QComboBox* C_CMBX_Einheit = nullptr;
    QRadioButton* C_RDBT_vor = nullptr;
    QRadioButton* C_RDBT_nach = nullptr;
    QDateEdit* C_DTP_Beginn = nullptr;
    QCheckBox* C_CHBX_Zwischenablage = nullptr;
    QCheckBox* C_CHBX_Uebernahme = nullptr;
    QLabel* C_LB_Hinweis2 = nullptr;
    QLabel* C_LB_Termindatum = nullptr;
    QPushButton* C_PSBT_OK = nullptr;
    QPushButton* C_PSBT_Abbrechen = nullptr;
};

} // namespace notavi::gui
