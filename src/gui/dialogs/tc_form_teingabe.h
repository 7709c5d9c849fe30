#pragma once

// "Termin eingeben" / "Termin ändern": the user describes one appointment with controls instead of
// the line syntax. The window reads its controls into an EntryForm, lets the core compose the line
// and shows the core's refusals and questions; a change reads the old line back into the controls.

#include "core/dialogs/entry_form.h"
#include "gui/platform/desktop.h"
#include "gui/platform/dialog_look.h"
#include "gui/platform/modal_run.h"

#include <optional>
#include <string>
#include <string_view>

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace notavi::gui {

class UpDown;

class TC_FORM_TEingabe final : public QDialog
{
    Q_OBJECT

  public:
    // look: the window the dialog is centred over (the editor while it is visible, else the main
    // window) and the colours it takes. The desktop's parts must outlive the dialog.
    TC_FORM_TEingabe(const Desktop& desktop, const DialogLook& look, QWidget* parent = nullptr);

    // How this dialog and the dialogs it opens are shown; tests play the user's part here.
    void setModalRun(ModalRun run) { m_run = std::move(run); }

    // A new appointment of the preset block (0..12); the composed line (Windows-1252) after OK,
    // nothing after "Abbrechen" or Escape.
    std::optional<std::string> askNewLine(int block);
    // A change of line of block: its faults are told first, then the dialog shows what could be
    // read; the recomposed line after OK. A blank line is asked for as a new appointment.
    std::optional<std::string> askChangedLine(int block, std::string_view line);

    // The controls' values as OK composes them.
    EntryForm readForm() const;

  private:
    // construction (tc_form_teingabe_controls.cpp)
    void createControls();
    void createBlockControls();
    void createDateControls();
    void createTextControls();
    void createOptionControls();
    void createPeriodControls();
    void createHolidayControls();
    void layOutControls();
    void connectRules();

    // the rules of the controls
    bool changeMode() const;
    void fillControls(const EntryForm& form);
    std::optional<std::string> run();
    void C_CMBX_TerminBlockChange();
    void applyDateFormat();
    void applyOkRule();
    void applyPeriodRules();
    void computePeriodEnd();
    void leaveRepeatCount();
    void leavePeriodCount();
    void dateChanged();
    void fillHolidayList();
    void takeHoliday();
    void C_PSBT_TerminblockClick();
    void C_PSBT_DatumErrechnenClick();
    void C_PSBT_OKClick();
    void focusControl(EntryControl control);

    Desktop m_desktop;
    DialogLook m_look;
    ModalRun m_run = execModally;
    std::string m_line;
    int m_holidayYear = 0;

    QGroupBox* C_GRBX_Terminblock = nullptr;
    QComboBox* C_CMBX_TerminBlock = nullptr;
    QLabel* C_LB_oder = nullptr;
    QPushButton* C_PSBT_Terminblock = nullptr;

    QGroupBox* C_GRBX_Datum = nullptr;
    QDateEdit* C_DTP_Datum = nullptr;
    QPushButton* C_PSBT_DatumErrechnen = nullptr;
    QCheckBox* C_CHBX_Februar = nullptr;
    QCheckBox* C_CHBX_GebJahr = nullptr;
    QLabel* C_LB_Ferienende = nullptr;
    QDateEdit* C_DTP_Ferienende = nullptr;
    QLabel* C_LB_Wiederholung = nullptr;
    QLineEdit* C_EDTX_Tage = nullptr;
    UpDown* C_UpDown_Tage = nullptr;
    QRadioButton* C_RDBT_Tag = nullptr;
    QLabel* C_LB_bzw = nullptr;
    QRadioButton* C_RDBT_Woche = nullptr;
    QComboBox* C_CMBX_xterWoTag = nullptr;
    QComboBox* C_CMBX_WoTag = nullptr;
    QComboBox* C_CMBX_Monat = nullptr;
    QLabel* C_LB_Monat = nullptr;
    QComboBox* C_CMBX_xterTag = nullptr;
    QCheckBox* C_CHBX_Vorzeichen = nullptr;

    QGroupBox* C_GRBX_Termintext = nullptr;
    QLabel* C_LB_Text1 = nullptr;
    QLineEdit* C_EDTX_Text1 = nullptr;
    QLabel* C_LB_Text2 = nullptr;
    QLabel* C_LB_Text3 = nullptr;
    QLineEdit* C_EDTX_Text2 = nullptr;

    QGroupBox* C_GRBX_Farbe = nullptr;
    QComboBox* C_CMBX_Farbe = nullptr;
    QGroupBox* C_GRBX_Alarm = nullptr;
    QCheckBox* C_CHBX_Alarm = nullptr;
    QTimeEdit* C_DTP_Alarm = nullptr;
    QLabel* C_LB_Uhr = nullptr;
    QGroupBox* C_GRBX_Deaktivieren = nullptr;
    QCheckBox* C_CHBX_Ferien = nullptr;
    QCheckBox* C_CHBX_Deaktiviert = nullptr;

    QGroupBox* C_GRBX_Terminzeitraum = nullptr;
    QCheckBox* C_CHBX_Zeitraum = nullptr;
    QLabel* C_LB_Beginn = nullptr;
    QDateEdit* C_DTP_Beginn = nullptr;
    QLabel* C_LB_Ende = nullptr;
    QRadioButton* C_RDBT_am = nullptr;
    QDateEdit* C_DTP_Ende = nullptr;
    QLabel* C_LB_oder2 = nullptr;
    QRadioButton* C_RDBT_nach = nullptr;
    QLineEdit* C_EDTX_Anzahl = nullptr;
    UpDown* C_UpDown_Anzahl = nullptr;
    QComboBox* C_CMBX_Einheit = nullptr;

    QLabel* C_LB_Feiertagsjahr = nullptr;
    QDateEdit* C_DTP_Feiertagsjahr = nullptr;
    QListWidget* C_LSBX_Feiertage = nullptr;
    QPushButton* C_PSBT_OK = nullptr;
    QPushButton* C_PSBT_Abbrechen = nullptr;
};

} // namespace notavi::gui
