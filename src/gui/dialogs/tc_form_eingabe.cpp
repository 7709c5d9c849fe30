#include "gui/dialogs/tc_form_eingabe.h"

#include "core/dialogs/date_answer.h"
#include "gui/dialogs/date_picker.h"
#include "gui/platform/object_name.h"
#include "gui/platform/text_conversion.h"

#include <algorithm>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace notavi::gui {
namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kButtonWidth = 82;
constexpr int kButtonHeight = 25;
constexpr int kInputHeight = 24;

// The client width and the left edges of the two buttons, normally and for the school-holiday options.
constexpr int kNormalWidth = 223;
constexpr int kNormalOk = 16;
constexpr int kNormalCancel = 125;
constexpr int kHolidayWidth = 292;
constexpr int kHolidayOk = 40;
constexpr int kHolidayCancel = 170;

} // namespace

TC_Form_Eingabe::TC_Form_Eingabe(MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), m_boxes(boxes), m_runModal([this] { return exec(); })
{
    setObjectName(QStringLiteral("TC_Form_Eingabe"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
}

QDate TC_Form_Eingabe::latestDate()
{
    return toQDate(toDayNumber(kLatestEvaluationDate));
}

void TC_Form_Eingabe::createControls()
{
    C_LB_Eingabe1 = named(new QLabel(this), "C_LB_Eingabe1");
    C_LB_Eingabe2 = named(new QLabel(this), "C_LB_Eingabe2");
    C_EDTX_Eingabe = named(new QLineEdit(this), "C_EDTX_Eingabe");
    C_EDTX_Eingabe->setMaxLength(10);
    C_DTP_Datum = named(new DatePicker(this), "C_DTP_Datum");
    C_DTP_Datum->setToolTip(QStringLiteral("Wechsel zwischen Tag/Monat/Jahr per Pfeiltasten."));
    C_RDBT_Minimieren = named(new QRadioButton(this), "C_RDBT_Minimieren");
    C_RDBT_Beenden = named(new QRadioButton(this), "C_RDBT_Beenden");
    C_RDBT_Beenden->setChecked(true);
    C_LB_Bundesland = named(new QLabel(QStringLiteral("Bundesland:"), this), "C_LB_Bundesland");
    C_CMBX_Bundesland = named(new QComboBox(this), "C_CMBX_Bundesland");
    C_CMBX_Bundesland->setToolTip(QStringLiteral("Die Ferien aus diesem Bundesland werden eingelesen."));
    C_LB_Hinweis = named(new QLabel(this), "C_LB_Hinweis");
    C_PSBT_Ok = named(new QPushButton(QStringLiteral("&OK"), this), "C_PSBT_Ok");
    C_PSBT_Ok->setDefault(true);
    C_PSBT_Abbruch = named(new QPushButton(QStringLiteral("&Abbrechen"), this), "C_PSBT_Abbruch");
    connect(C_PSBT_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(C_PSBT_Abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

void TC_Form_Eingabe::setRadioCaptions(bool holidayImport)
{
    if (holidayImport) {
        C_RDBT_Minimieren->setText(QStringLiteral("&Nur der Ferienname (z.B. Osterferien)"));
        C_RDBT_Minimieren->setToolTip(QStringLiteral("Z.B. Osterferien."));
        C_RDBT_Beenden->setText(QStringLiteral("Ferienname in &Bundesland (z.B. Osterferien in Berlin)"));
        C_RDBT_Beenden->setToolTip(QStringLiteral("Z.B. Osterferien in Berlin."));
    } else {
        C_RDBT_Minimieren->setText(QStringLiteral("Notavi &minimieren (in Sekunden)"));
        C_RDBT_Minimieren->setToolTip(QString());
        C_RDBT_Beenden->setText(QStringLiteral("Notavi &beenden (in Sekunden)"));
        C_RDBT_Beenden->setToolTip(QString());
    }
}

void TC_Form_Eingabe::layOut(const Layout& layout)
{
    m_input = layout.input;
    m_selectText = layout.selectText;
    setWindowTitle(layout.caption);
    C_LB_Eingabe1->setText(layout.label1);
    C_LB_Eingabe2->setText(layout.label2);
    C_LB_Hinweis->setText(layout.note);
    const bool edit = m_input == Input::Edit || m_input == Input::Choice;
    C_EDTX_Eingabe->setVisible(edit);
    C_EDTX_Eingabe->setToolTip(edit ? layout.hint : QString());
    C_DTP_Datum->setVisible(m_input == Input::Date);
    const bool radios = m_input == Input::Choice || m_input == Input::State;
    C_RDBT_Minimieren->setVisible(radios);
    C_RDBT_Beenden->setVisible(radios);
    C_LB_Bundesland->setVisible(m_input == Input::State);
    C_CMBX_Bundesland->setVisible(m_input == Input::State);
    setRadioCaptions(m_input == Input::State);
    if (m_input == Input::State)
        placeControls(kHolidayWidth, kHolidayOk, kHolidayCancel);
    else
        placeControls(kNormalWidth, kNormalOk, kNormalCancel);
}

void TC_Form_Eingabe::placeControls(int clientWidth, int firstButton, int secondButton)
{
    // The fixed pixel layout assumes the narrow fonts of its origin: where a text of this desktop's
    // font does not fit, the dialog grows and the buttons keep their place relative to the middle.
    std::vector<QWidget*> rows;
    for (QWidget* widget : std::initializer_list<QWidget*>{C_LB_Eingabe1, C_LB_Eingabe2, C_LB_Bundesland,
                                                           C_CMBX_Bundesland, C_EDTX_Eingabe, C_DTP_Datum,
                                                           C_RDBT_Minimieren, C_RDBT_Beenden, C_LB_Hinweis})
        if (!widget->isHidden() &&
            !(qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->text().isEmpty()))
            rows.push_back(widget);
    int needed = 0;
    for (QWidget* widget : rows)
        if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<DatePicker*>(widget) &&
            !qobject_cast<QComboBox*>(widget))
            needed = std::max(needed, widget->sizeHint().width() + 2 * kMargin);
    if (needed > clientWidth) {
        const int extra = needed - clientWidth;
        clientWidth = needed;
        firstButton += extra / 2;
        secondButton += extra / 2;
    }
    int top = kMargin;
    for (QWidget* widget : rows) {
        const bool input = qobject_cast<QLineEdit*>(widget) || qobject_cast<DatePicker*>(widget) ||
                           qobject_cast<QComboBox*>(widget);
        const int height = input ? kInputHeight : widget->sizeHint().height();
        widget->setGeometry(kMargin, top, clientWidth - 2 * kMargin, height);
        top += height + (input ? kGap + 2 : 2);
    }
    top += kGap;
    C_PSBT_Ok->setGeometry(firstButton, top, kButtonWidth, kButtonHeight);
    C_PSBT_Abbruch->setGeometry(secondButton, top, kButtonWidth, kButtonHeight);
    setFixedSize(clientWidth, top + kButtonHeight + kMargin);
}

void TC_Form_Eingabe::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QWidget* input = C_EDTX_Eingabe;
    if (m_input == Input::Date)
        input = C_DTP_Datum;
    else if (m_input == Input::State)
        input = C_CMBX_Bundesland;
    input->setFocus();
    if (m_selectText && input == C_EDTX_Eingabe)
        C_EDTX_Eingabe->selectAll();
}

void TC_Form_Eingabe::accept()
{
    if (!m_accept || m_accept())
        QDialog::accept();
}

bool TC_Form_Eingabe::showUntil(const std::function<bool()>& accept)
{
    m_accept = accept;
    bool accepted = false;
    for (;;) {
        applyDialogLook(this, m_look ? m_look() : DialogLook{parentWidget(), {}});
        if (m_runModal() != QDialog::Accepted)
            break;
        // A scripted run returns without pressing OK: the answer is checked here as well.
        if (accept()) {
            accepted = true;
            break;
        }
    }
    m_accept = nullptr;
    return accepted;
}

bool TC_Form_Eingabe::askNumber(const Layout& layout, NumberQuestion question, const QString& preset,
                                int& value)
{
    layOut(layout);
    C_EDTX_Eingabe->setText(preset);
    int accepted = 0;
    const bool ok = showUntil([&] {
        NumberAnswer answer = checkNumberAnswer(question, toCp1252(C_EDTX_Eingabe->text()));
        if (!answer.value) {
            m_boxes.warning(this, boxText(answer.refusal));
            return false;
        }
        accepted = *answer.value;
        return true;
    });
    if (ok)
        value = accepted;
    return ok;
}

bool TC_Form_Eingabe::askEvaluationDate(DayNumber& date)
{
    layOut({QStringLiteral("Auswertungsdatum eingeben"), QString(), QStringLiteral("Auswertungsdatum: "),
            QStringLiteral("Format: TT.MM.JJJJ"), QString(), Input::Date, false});
    C_DTP_Datum->setDate(std::min(toQDate(date), latestDate()));
    DayNumber taken = date;
    if (!showUntil([&] { return takeEvaluationDate(taken); }))
        return false;
    date = taken;
    return true;
}

bool TC_Form_Eingabe::takeEvaluationDate(DayNumber& date)
{
    // The text as typed, not the picker's date: that may still be the previous one.
    const DateAnswer answer = checkEvaluationDate(toCp1252(C_DTP_Datum->text()));
    if (!answer.day) {
        m_boxes.warning(this, boxText(answer.refusal));
        C_DTP_Datum->setFocus();
        return false;
    }
    date = *answer.day;
    return true;
}

bool TC_Form_Eingabe::askLineNumber(int& line)
{
    return askNumber({QStringLiteral("Gehe zu"), QString(), QStringLiteral("Gehe zu Zeile: "), QString(),
                      QStringLiteral("Den Cursor an den Anfang dieser Zeilennummer setzen."), Input::Edit,
                      false},
                     NumberQuestion::LineNumber, QString(), line);
}

bool TC_Form_Eingabe::askCountdown(int& seconds, std::string& action)
{
    const bool quit = action == kCountdownQuit;
    C_RDBT_Beenden->setChecked(quit);
    C_RDBT_Minimieren->setChecked(!quit);
    const bool ok = askNumber(
        {QStringLiteral("Timer setzen"), QString(), QString(), QStringLiteral("0 = Timer deaktivieren"),
         QStringLiteral("Bitte die Anzahl der Sekunden vorgeben."), Input::Choice, true},
        NumberQuestion::Countdown, QString::number(seconds), seconds);
    if (ok)
        action = C_RDBT_Beenden->isChecked() ? kCountdownQuit : kCountdownMinimise;
    return ok;
}

bool TC_Form_Eingabe::askTooltipTime(int& milliseconds)
{
    return askNumber(
        {QStringLiteral("Anzeigedauer der Tooltipps setzen"), QString(),
         QStringLiteral("Anzeigedauer in Millisekunden: "), QStringLiteral("z.B.: 2500 = 2,5 Sekunden"),
         QStringLiteral("Anzeigedauer der Tooltipps in Millisekunden vorgeben"), Input::Edit, true},
        NumberQuestion::TooltipTime, QString::number(milliseconds), milliseconds);
}

bool TC_Form_Eingabe::askDeletionAge(int& days)
{
    return askNumber({QStringLiteral("Frist f\u00FCr das automatische L\u00F6schen"),
                      QStringLiteral("Mindestalter der Termine in Tagen, damit"),
                      QStringLiteral("sie automatisch gel\u00F6scht werden:"),
                      QStringLiteral("z.B.: 7 Tage = eine Woche"),
                      QStringLiteral("Das Alter ergibt sich aus der Anzahl von Tagen nach der letztmaligen "
                                     "F\u00E4lligkeit des Termins."),
                      Input::Edit, true},
                     NumberQuestion::DeletionAge, QString::number(days), days);
}

bool TC_Form_Eingabe::askHolidayImport(const QString& caption, const QStringList& states,
                                       HolidayImportChoice& choice)
{
    C_CMBX_Bundesland->clear();
    C_CMBX_Bundesland->addItems(states);
    C_CMBX_Bundesland->setCurrentIndex(
        choice.stateIndex >= 0 && choice.stateIndex < states.size() ? choice.stateIndex : 0);
    C_RDBT_Beenden->setChecked(choice.withStateName);
    C_RDBT_Minimieren->setChecked(!choice.withStateName);
    layOut({caption, QString(), QString(), QString(), QString(), Input::State, false});
    const bool ok = showUntil([] { return true; });
    if (ok) {
        choice.stateIndex = std::max(C_CMBX_Bundesland->currentIndex(), 0);
        choice.withStateName = C_RDBT_Beenden->isChecked();
        choice.stateText = C_CMBX_Bundesland->currentText();
    }
    // The next question finds the dialog in its normal width again.
    placeControls(kNormalWidth, kNormalOk, kNormalCancel);
    return ok;
}

} // namespace notavi::gui
