#include "gui/dialogs/tc_form_teingabe.h"

#include "core/calendar/german_text.h"
#include "core/dialogs/entry_field_rules.h"
#include "core/dialogs/entry_line_compose.h"
#include "core/dialogs/entry_line_decompose.h"
#include "core/editor/holiday_list.h"
#include "core/model/block_catalogue.h"
#include "gui/dialogs/count_field.h"
#include "gui/dialogs/tc_form_datumsberechnung.h"
#include "gui/dialogs/tc_form_tb_ermitteln.h"
#include "gui/dialogs/up_down.h"
#include "gui/platform/text_conversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace notavi::gui {
namespace {

const QString kDateFormat = QStringLiteral("dd.MM.yyyy");
const QString kDayAndMonthFormat = QStringLiteral("dd.MM.");
constexpr int kMaxDays = 999;
constexpr int kUnknownBirthYear = 9999;

QTime timeOfMinute(int minuteOfDay)
{
    return QTime(minuteOfDay / 60 % 24, minuteOfDay % 60);
}

int minuteOf(const QTime& time)
{
    return time.hour() * 60 + time.minute();
}

bool isBlock(int block, BlockKind kind)
{
    return block == blockNumber(kind);
}

} // namespace

TC_FORM_TEingabe::TC_FORM_TEingabe(const Desktop& desktop, const DialogLook& look, QWidget* parent)
    : QDialog(parent), m_desktop(desktop), m_look(look)
{
    setObjectName(QStringLiteral("TC_FORM_TEingabe"));
    setWindowTitle(QStringLiteral("Termin eingeben"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    connectRules();
}

void TC_FORM_TEingabe::connectRules()
{
    connect(C_CMBX_TerminBlock, &QComboBox::currentIndexChanged, this,
            &TC_FORM_TEingabe::C_CMBX_TerminBlockChange);
    connect(C_PSBT_Terminblock, &QPushButton::clicked, this, &TC_FORM_TEingabe::C_PSBT_TerminblockClick);
    connect(C_PSBT_DatumErrechnen, &QPushButton::clicked, this,
            &TC_FORM_TEingabe::C_PSBT_DatumErrechnenClick);
    connect(C_DTP_Datum, &QDateEdit::dateChanged, this, &TC_FORM_TEingabe::dateChanged);
    connect(C_CHBX_Februar, &QCheckBox::toggled, this, [this](bool checked) {
        C_DTP_Datum->setEnabled(!checked);
        C_PSBT_DatumErrechnen->setEnabled(!checked);
    });
    connect(C_CHBX_GebJahr, &QCheckBox::toggled, this, &TC_FORM_TEingabe::applyDateFormat);
    connect(C_EDTX_Text1, &QLineEdit::textChanged, this, &TC_FORM_TEingabe::applyOkRule);
    connect(C_EDTX_Text2, &QLineEdit::textChanged, this, &TC_FORM_TEingabe::applyOkRule);

    onLeaving(*C_EDTX_Tage, [this] { leaveRepeatCount(); });
    connect(C_RDBT_Tag, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            C_UpDown_Tage->setMaximum(kMaxDays);
    });
    onDoubleClick(*C_RDBT_Woche, [this] {
        C_EDTX_Tage->setText(fromCp1252(repeatCountInWeeks(toCp1252(C_EDTX_Tage->text()))));
    });
    onDoubleClick(*C_RDBT_Tag, [this] {
        C_EDTX_Tage->setText(fromCp1252(repeatCountInDays(toCp1252(C_EDTX_Tage->text()))));
    });

    connect(C_CHBX_Alarm, &QCheckBox::toggled, C_DTP_Alarm, &QWidget::setEnabled);
    connect(C_CHBX_Zeitraum, &QCheckBox::toggled, this, &TC_FORM_TEingabe::applyPeriodRules);
    connect(C_RDBT_am, &QRadioButton::toggled, this, &TC_FORM_TEingabe::applyPeriodRules);
    connect(C_EDTX_Anzahl, &QLineEdit::textChanged, this, &TC_FORM_TEingabe::computePeriodEnd);
    connect(C_CMBX_Einheit, &QComboBox::currentIndexChanged, this, &TC_FORM_TEingabe::computePeriodEnd);
    connect(C_DTP_Beginn, &QDateEdit::dateChanged, this, &TC_FORM_TEingabe::computePeriodEnd);
    onLeaving(*C_EDTX_Anzahl, [this] { leavePeriodCount(); });

    connect(C_DTP_Feiertagsjahr, &QDateEdit::dateChanged, this, &TC_FORM_TEingabe::fillHolidayList);
    connect(C_LSBX_Feiertage, &QListWidget::itemDoubleClicked, this, &TC_FORM_TEingabe::takeHoliday);
    connect(C_PSBT_OK, &QPushButton::clicked, this, &TC_FORM_TEingabe::C_PSBT_OKClick);
    connect(C_PSBT_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

// --- the two ways in ---------------------------------------------------------------------------

std::optional<std::string> TC_FORM_TEingabe::askNewLine(int block)
{
    EntryForm form = entryFormOn(block, m_desktop.clock.today());
    form.alarmMinute = m_desktop.clock.minuteOfDay();
    fillControls(form);
    return run();
}

std::optional<std::string> TC_FORM_TEingabe::askChangedLine(int block, std::string_view line)
{
    C_GRBX_Terminblock->setEnabled(false);
    C_CMBX_TerminBlock->setEnabled(false);
    C_LB_oder->setEnabled(false);
    C_PSBT_Terminblock->setEnabled(false);
    if (isBlankEntryLine(line))
        return askNewLine(block);
    DecomposedLine read = decompose(block, line, m_desktop.clock.today(), m_desktop.clock.minuteOfDay());
    for (const std::string& warning : read.warnings)
        m_desktop.boxes.warning(parentWidget(), boxText(warning));
    fillControls(read.form);
    setWindowTitle(QStringLiteral("Termin \u00E4ndern"));
    return run();
}

bool TC_FORM_TEingabe::changeMode() const
{
    return !C_CMBX_TerminBlock->isEnabled();
}

void TC_FORM_TEingabe::fillControls(const EntryForm& form)
{
    {
        const QSignalBlocker quiet(C_CMBX_TerminBlock);
        C_CMBX_TerminBlock->setCurrentIndex(form.block);
    }
    C_DTP_Datum->setDate(toQDate(form.date));
    C_CHBX_GebJahr->setChecked(form.birthYearUnknown);
    C_CHBX_Februar->setChecked(form.lastDayOfFebruary);
    C_DTP_Ferienende->setDate(toQDate(form.holidayEnd));
    C_RDBT_Woche->setChecked(form.repeatInWeeks);
    C_RDBT_Tag->setChecked(!form.repeatInWeeks);
    C_EDTX_Tage->setText(fromCp1252(form.repeatCount));
    C_CMBX_xterWoTag->setCurrentIndex(form.xthWeekdayItem);
    C_CMBX_WoTag->setCurrentIndex(form.weekdayItem);
    C_CMBX_Monat->setCurrentIndex(form.monthItem);
    C_CMBX_xterTag->setCurrentIndex(form.dayOfMonthItem);
    C_CHBX_Vorzeichen->setChecked(form.fromMonthEnd);
    C_EDTX_Text1->setText(fromCp1252(form.text1));
    C_EDTX_Text2->setText(fromCp1252(form.text2));
    C_CMBX_Farbe->setCurrentIndex(form.colourItem);
    C_CHBX_Alarm->setChecked(form.alarmOn);
    C_DTP_Alarm->setTime(timeOfMinute(form.alarmMinute));
    C_DTP_Alarm->setEnabled(form.alarmOn);
    C_CHBX_Ferien->setChecked(form.notInHolidays);
    C_CHBX_Deaktiviert->setChecked(form.deactivated);
    C_CHBX_Zeitraum->setChecked(form.periodOn);
    C_DTP_Beginn->setDate(toQDate(form.periodBegin));
    C_DTP_Ende->setDate(toQDate(form.periodEnd));
    C_RDBT_am->setChecked(form.periodEndGiven);
    C_RDBT_nach->setChecked(!form.periodEndGiven);
}

std::optional<std::string> TC_FORM_TEingabe::run()
{
    C_DTP_Feiertagsjahr->setDate(toQDate(m_desktop.clock.today()));
    fillHolidayList();
    C_CMBX_TerminBlockChange();
    applyDialogLook(this, m_look);
    C_EDTX_Text1->setFocus();
    m_line.clear();
    if (m_run(*this) != QDialog::Accepted || m_line.empty())
        return std::nullopt;
    return m_line;
}

EntryForm TC_FORM_TEingabe::readForm() const
{
    EntryForm form;
    form.block = C_CMBX_TerminBlock->currentIndex();
    form.date = toDayNumber(C_DTP_Datum->date());
    form.lastDayOfFebruary = C_CHBX_Februar->isChecked();
    form.birthYearUnknown = C_CHBX_GebJahr->isChecked();
    form.holidayEnd = toDayNumber(C_DTP_Ferienende->date());
    form.repeatCount = toCp1252(C_EDTX_Tage->text());
    form.repeatInWeeks = C_RDBT_Woche->isChecked();
    form.xthWeekdayItem = C_CMBX_xterWoTag->currentIndex();
    form.weekdayItem = C_CMBX_WoTag->currentIndex();
    form.monthItem = C_CMBX_Monat->currentIndex();
    form.dayOfMonthItem = C_CMBX_xterTag->currentIndex();
    form.fromMonthEnd = C_CHBX_Vorzeichen->isChecked();
    form.text1 = toCp1252(C_EDTX_Text1->text());
    form.text2 = toCp1252(C_EDTX_Text2->text());
    form.colourItem = C_CMBX_Farbe->currentIndex();
    form.alarmOn = C_CHBX_Alarm->isChecked();
    form.alarmMinute = minuteOf(C_DTP_Alarm->time());
    form.notInHolidays = C_CHBX_Ferien->isChecked();
    form.deactivated = C_CHBX_Deaktiviert->isChecked();
    form.periodOn = C_CHBX_Zeitraum->isChecked();
    form.periodBegin = toDayNumber(C_DTP_Beginn->date());
    form.periodEnd = toDayNumber(C_DTP_Ende->date());
    form.periodEndGiven = C_RDBT_am->isChecked();
    return form;
}

// --- block change --------------------------------------------------------------------------------

void TC_FORM_TEingabe::C_CMBX_TerminBlockChange()
{
    const int block = C_CMBX_TerminBlock->currentIndex();
    if (block < 0 || block >= kUserBlockCount) {
        m_desktop.boxes.warning(this,
                                QStringLiteral("Unbekannter Terminblock in C_CMBX_TerminBlockChange. Bitte "
                                               "den Programmierer informieren."));
        return;
    }
    const EntryControlsInUse use = controlsInUse(block);
    C_DTP_Datum->setEnabled(use.date);
    C_PSBT_DatumErrechnen->setEnabled(use.date);
    C_CHBX_Februar->setEnabled(use.lastDayOfFebruary);
    C_CHBX_GebJahr->setEnabled(use.birthYearUnknown);
    for (QWidget* control : {static_cast<QWidget*>(C_LB_Ferienende), static_cast<QWidget*>(C_DTP_Ferienende)})
        control->setEnabled(use.holidayEnd);
    for (QWidget* control : std::initializer_list<QWidget*>{C_LB_Wiederholung, C_EDTX_Tage, C_UpDown_Tage,
                                                            C_RDBT_Tag, C_LB_bzw, C_RDBT_Woche})
        control->setEnabled(use.repeat);
    C_CMBX_xterWoTag->setEnabled(use.xthWeekday);
    C_CMBX_WoTag->setEnabled(use.weekday);
    C_CMBX_Monat->setEnabled(use.month);
    for (QWidget* control : std::initializer_list<QWidget*>{C_LB_Monat, C_CMBX_xterTag, C_CHBX_Vorzeichen})
        control->setEnabled(use.dayOfMonth);
    for (QWidget* control : std::initializer_list<QWidget*>{C_LB_Text2, C_EDTX_Text2, C_LB_Text3})
        control->setEnabled(use.part2);
    C_CHBX_Zeitraum->setEnabled(use.period);
    if (!use.period)
        C_CHBX_Zeitraum->setChecked(false);

    const bool withoutYear = isBlock(block, BlockKind::NameDays) || isBlock(block, BlockKind::Yearly);
    if (use.date && withoutYear) {
        // A leap year, so that 29 February can be picked.
        const QDate date = C_DTP_Datum->date();
        C_DTP_Datum->setDate(QDate(leapYearFrom(date.year()), date.month(), date.day()));
    } else if (use.date && !changeMode()) {
        C_DTP_Datum->setDate(toQDate(m_desktop.clock.today()));
    }
    applyDateFormat();
    if (isBlock(block, BlockKind::Yearly) && C_CHBX_Februar->isChecked()) {
        C_DTP_Datum->setEnabled(false);
        C_PSBT_DatumErrechnen->setEnabled(false);
    }
    applyPeriodRules();
    applyOkRule();
}

// Name days and yearly appointments have no year, nor has a birthday whose year is unknown.
void TC_FORM_TEingabe::applyDateFormat()
{
    const int block = C_CMBX_TerminBlock->currentIndex();
    const bool withoutYear = isBlock(block, BlockKind::NameDays) || isBlock(block, BlockKind::Yearly) ||
                             (isBlock(block, BlockKind::Birthdays) && C_CHBX_GebJahr->isChecked());
    C_DTP_Datum->setDisplayFormat(withoutYear ? kDayAndMonthFormat : kDateFormat);
}

// --- field rules ---------------------------------------------------------------------------------

void TC_FORM_TEingabe::applyOkRule()
{
    C_PSBT_OK->setEnabled(okAllowed(readForm()));
}

void TC_FORM_TEingabe::applyPeriodRules()
{
    const bool on = C_CHBX_Zeitraum->isEnabled() && C_CHBX_Zeitraum->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{C_LB_Beginn, C_DTP_Beginn, C_LB_Ende, C_RDBT_am,
                                                            C_LB_oder2, C_RDBT_nach})
        control->setEnabled(on);
    const bool computed = C_RDBT_nach->isChecked();
    C_DTP_Ende->setEnabled(on && !computed);
    for (QWidget* control : std::initializer_list<QWidget*>{C_EDTX_Anzahl, C_UpDown_Anzahl, C_CMBX_Einheit})
        control->setEnabled(on && computed);
    if (on && computed)
        computePeriodEnd();
}

void TC_FORM_TEingabe::computePeriodEnd()
{
    if (!C_RDBT_nach->isChecked())
        return;
    const std::optional<DayNumber> end = computedPeriodEnd(
        toDayNumber(C_DTP_Beginn->date()), toCp1252(C_EDTX_Anzahl->text()), C_CMBX_Einheit->currentIndex());
    if (end)
        C_DTP_Ende->setDate(toQDate(*end));
}

void TC_FORM_TEingabe::leaveRepeatCount()
{
    C_EDTX_Tage->setText(
        fromCp1252(repeatCountOnLeave(toCp1252(C_EDTX_Tage->text()), C_RDBT_Woche->isChecked())));
}

void TC_FORM_TEingabe::leavePeriodCount()
{
    C_EDTX_Anzahl->setText(fromCp1252(periodCountOnLeave(toCp1252(C_EDTX_Anzahl->text()))));
}

// A birthday picked in the year 9999 is one whose year is unknown.
void TC_FORM_TEingabe::dateChanged()
{
    if (C_DTP_Datum->date().year() == kUnknownBirthYear && C_CHBX_GebJahr->isEnabled())
        C_CHBX_GebJahr->setChecked(true);
}

void TC_FORM_TEingabe::fillHolidayList()
{
    const int year = C_DTP_Feiertagsjahr->date().year();
    if (year == m_holidayYear && C_LSBX_Feiertage->count() > 0)
        return;
    m_holidayYear = year;
    C_LSBX_Feiertage->clear();
    for (const HolidayItem& item : holidayList(year))
        C_LSBX_Feiertage->addItem(fromCp1252(item.text));
}

void TC_FORM_TEingabe::takeHoliday()
{
    QListWidgetItem* item = C_LSBX_Feiertage->currentItem();
    if (!item || !C_DTP_Datum->isEnabled())
        return;
    const std::string date = toCp1252(item->text().left(6)) + std::to_string(m_holidayYear);
    if (const std::optional<DayNumber> day = parseDateText(date))
        C_DTP_Datum->setDate(toQDate(*day));
}

// --- the dialogs it opens ------------------------------------------------------------------------

void TC_FORM_TEingabe::C_PSBT_TerminblockClick()
{
    const DialogColours ownColours{true, palette().color(QPalette::Window),
                                   palette().color(QPalette::WindowText)};
    TC_Form_TB_ermitteln choice(C_CMBX_TerminBlock->currentIndex(), DialogLook{this, ownColours}, this);
    if (m_run(choice) == QDialog::Accepted) {
        const QSignalBlocker quiet(C_CMBX_TerminBlock);
        C_CMBX_TerminBlock->setCurrentIndex(choice.chosenBlock());
    }
    C_CMBX_TerminBlockChange();
}

void TC_FORM_TEingabe::C_PSBT_DatumErrechnenClick()
{
    TC_FORM_Datumsberechnung calculation(m_desktop, DateCalculationTarget::EntryDialog,
                                         DialogLook{this, m_look.colours}, this);
    if (const std::optional<DateCalculationOutcome> outcome = calculation.ask(m_run))
        C_DTP_Datum->setDate(toQDate(outcome->date));
}

// --- OK ------------------------------------------------------------------------------------------

void TC_FORM_TEingabe::C_PSBT_OKClick()
{
    // Leaving a count field runs its rule before the line is composed, also when the click did not
    // take the focus away from it.
    if (focusWidget() == C_EDTX_Tage)
        leaveRepeatCount();
    if (focusWidget() == C_EDTX_Anzahl)
        leavePeriodCount();
    C_PSBT_OK->setFocus();

    const EntryForm form = readForm();
    AcceptedQuestions accepted;
    for (;;) {
        const ComposeResult result = compose(form, m_desktop.clock.today(), accepted);
        switch (result.kind) {
        case ComposeResult::Kind::Line:
            m_line = result.line;
            accept();
            return;
        case ComposeResult::Kind::Refusal:
            if (result.repeatCountSetToZero)
                C_EDTX_Tage->setText(QStringLiteral("0"));
            m_desktop.boxes.warning(this, boxText(result.message));
            focusControl(result.focus);
            return;
        case ComposeResult::Kind::Question:
            if (m_desktop.boxes.show(this, MessageKind::Warning, boxText(result.message),
                                     MessageButtons::YesNo) != MessageAnswer::Yes) {
                focusControl(result.focus);
                return;
            }
            accepted = accepted.with(result.question);
            break;
        }
    }
}

void TC_FORM_TEingabe::focusControl(EntryControl control)
{
    const std::string_view name = controlName(control);
    if (name.empty())
        return;
    if (auto* widget = findChild<QWidget*>(QString::fromLatin1(name.data(), qsizetype(name.size()))))
        widget->setFocus();
}

} // namespace notavi::gui
