#pragma once

// The small input dialog that the program reuses for six questions. It lives for the whole run;
// each question lays out the controls it needs, shows the dialog until the answer is valid or the
// user cancels, and hands the result back.

#include "core/calendar/day_number.h"
#include "core/dialogs/number_answer.h"
#include "gui/platform/dialog_look.h"
#include "gui/platform/message_boxes.h"

#include <functional>
#include <string>

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace notavi::gui {

class DatePicker;

// The countdown's action as the settings store it.
inline constexpr const char* kCountdownQuit = "Beenden";
inline constexpr const char* kCountdownMinimise = "Minimieren";

struct HolidayImportChoice
{
    int stateIndex = 0;         // in: the remembered state; out: the chosen one
    bool withStateName = false; // "Ferienname in Bundesland" rather than the holiday name alone
    QString stateText;          // out: the chosen state's text
};

class TC_Form_Eingabe final : public QDialog
{
    Q_OBJECT

  public:
    // The boxes must outlive the dialog.
    explicit TC_Form_Eingabe(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Where and in which colours the dialog appears each time (the editor while it is open, else
    // the main window).
    void setLookProvider(std::function<DialogLook()> look) { m_look = std::move(look); }

    // Shows the dialog modally and returns its result; tests replace it to answer for the user.
    void setRunModal(std::function<int()> runModal) { m_runModal = std::move(runModal); }

    // Each returns true when the user confirmed a valid answer with OK; the out-parameters are only
    // written then. Parameters marked in/out give the preset.
    bool askEvaluationDate(DayNumber& date);              // in/out; at most 31.12.9998
    bool askLineNumber(int& line);                        // out; 0 or more
    bool askCountdown(int& seconds, std::string& action); // in/out; 0 or 6 and more; "Beenden"/"Minimieren"
    bool askTooltipTime(int& milliseconds);               // in/out; 1..60000
    bool askDeletionAge(int& days);                       // in/out; 1..9999
    // The caller writes the remembered choice to the settings after OK.
    bool askHolidayImport(const QString& caption, const QStringList& states, HolidayImportChoice& choice);

    static QDate latestDate();

  protected:
    void showEvent(QShowEvent* event) override;
    // OK closes the dialog only for an answer the current question takes.
    void accept() override;

  private:
    enum class Input
    {
        Edit,
        Date,
        Choice, // the radio buttons below the edit (countdown)
        State,  // the state list with its radio buttons (school-holiday import)
    };

    struct Layout
    {
        QString caption;
        QString label1;
        QString label2;
        QString note;
        QString hint;
        Input input = Input::Edit;
        bool selectText = false;
    };

    void createControls();
    void layOut(const Layout& layout);
    void placeControls(int clientWidth, int firstButton, int secondButton);
    bool showUntil(const std::function<bool()>& accept);
    bool askNumber(const Layout& layout, NumberQuestion question, const QString& preset, int& value);
    bool takeEvaluationDate(DayNumber& date);
    void setRadioCaptions(bool holidayImport);

    MessageBoxes& m_boxes;
    std::function<DialogLook()> m_look;
    std::function<int()> m_runModal;
    std::function<bool()> m_accept; // the check of the question being asked
    Input m_input = Input::Edit;
    bool m_selectText = false;

    QLabel* C_LB_Eingabe1 = nullptr;
    QLabel* C_LB_Eingabe2 = nullptr;
    QLineEdit* C_EDTX_Eingabe = nullptr;
    DatePicker* C_DTP_Datum = nullptr;
    QRadioButton* C_RDBT_Minimieren = nullptr;
    QRadioButton* C_RDBT_Beenden = nullptr;
    QLabel* C_LB_Bundesland = nullptr;
    QComboBox* C_CMBX_Bundesland = nullptr;
    QLabel* C_LB_Hinweis = nullptr;
    QPushButton* C_PSBT_Ok = nullptr;
    QPushButton* C_PSBT_Abbruch = nullptr;
};

} // namespace notavi::gui
