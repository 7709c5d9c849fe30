#include "gui/dialogs/tc_form_datumsberechnung.h"

#include "core/calendar/german_text.h"
#include "core/dialogs/date_calculation.h"
#include "core/dialogs/entry_field_rules.h"
#include "gui/dialogs/count_field.h"
#include "gui/dialogs/up_down.h"
#include "gui/platform/object_name.h"
#include "gui/platform/text_conversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace notavi::gui {
namespace {

constexpr int kCountDigits = 3;

} // namespace

TC_FORM_Datumsberechnung::TC_FORM_Datumsberechnung(const Desktop& desktop, DateCalculationTarget target,
                                                   const DialogLook& look, QWidget* parent)
    : QDialog(parent), m_desktop(desktop)
{
    setObjectName(QStringLiteral("TC_FORM_Datumsberechnung"));
    setWindowTitle(QStringLiteral("Berechnung des Termindatums"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    layOutControls();
    const bool editor = target == DateCalculationTarget::Editor;
    C_CHBX_Uebernahme->setEnabled(editor);
    C_CHBX_Uebernahme->setChecked(editor);
    C_DTP_Beginn->setDate(toQDate(desktop.clock.today()));
    compute();
    applyDialogLook(this, look);
}

void TC_FORM_Datumsberechnung::createControls()
{
    C_LB_Hinweis1 =
        named(new QLabel(QStringLiteral("Termindatum anhand der folgenden Parameter berechnen"), this),
              "C_LB_Hinweis1");
    C_EDTX_Anzahl = named(new QLineEdit(QStringLiteral("1"), this), "C_EDTX_Anzahl",
                          QStringLiteral("Anzahl der Tage/Wochen/... vor/nach dem Startdatum"));
    acceptDigitsOnly(*C_EDTX_Anzahl, kCountDigits);
    C_UpDown_Anzahl = named(new UpDown(*C_EDTX_Anzahl, 0, 999, this), "C_UpDown_Anzahl");
    C_CMBX_Einheit = named(new QComboBox(this), "C_CMBX_Einheit",
                           QStringLiteral("Bitte die gew\u00FCnschte Einheit ausw\u00E4hlen."));
    C_CMBX_Einheit->addItems({QStringLiteral("Tag(e)"), QStringLiteral("Woche(n)"),
                              QStringLiteral("Monat(e)"), QStringLiteral("Jahr(e)")});
    C_RDBT_vor = named(new QRadioButton(QStringLiteral("vor"), this), "C_RDBT_vor",
                       QStringLiteral("Das Termindatum liegt vor dem nachfolgendem Datum."));
    C_RDBT_vor->setChecked(true);
    C_RDBT_nach = named(new QRadioButton(QStringLiteral("nach"), this), "C_RDBT_nach",
                        QStringLiteral("Das Termindatum liegt nach dem nachfolgendem Datum."));
    C_DTP_Beginn = named(new QDateEdit(this), "C_DTP_Beginn",
                         QStringLiteral("Abh\u00E4ngig von diesem Datum wird das Termindatum berechnet."));
    C_DTP_Beginn->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    C_DTP_Beginn->setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 31));
    C_DTP_Beginn->setCalendarPopup(true);
    C_CHBX_Zwischenablage =
        named(new QCheckBox(QStringLiteral("Datum in die &Zwischenablage kopieren."), this),
              "C_CHBX_Zwischenablage", QStringLiteral("Kopiert das errechnet Datum in die Zwischenablage."));
    C_CHBX_Uebernahme = named(
        new QCheckBox(QStringLiteral("Datum in die aktuelle Terminzeile des &Editors einsetzen."), this),
        "C_CHBX_Uebernahme",
        QStringLiteral("\u00DCbernimmt das Datum in die aktuelle Terminzeile und den Kalender."));
    C_LB_Hinweis2 =
        named(new QLabel(QStringLiteral("Das errechnete Termindatum ist der"), this), "C_LB_Hinweis2");
    C_LB_Termindatum = named(new QLabel(this), "C_LB_Termindatum");
    QFont bold = C_LB_Termindatum->font();
    bold.setBold(true);
    C_LB_Termindatum->setFont(bold);
    C_PSBT_OK = named(new QPushButton(QStringLiteral("&Ok"), this), "C_PSBT_OK");
    C_PSBT_OK->setDefault(true);
    C_PSBT_Abbrechen = named(new QPushButton(QStringLiteral("&Abbrechen"), this), "C_PSBT_Abbrechen");

    connect(C_EDTX_Anzahl, &QLineEdit::textChanged, this, &TC_FORM_Datumsberechnung::compute);
    connect(C_CMBX_Einheit, &QComboBox::currentIndexChanged, this, &TC_FORM_Datumsberechnung::compute);
    connect(C_RDBT_nach, &QRadioButton::toggled, this, &TC_FORM_Datumsberechnung::compute);
    connect(C_DTP_Beginn, &QDateEdit::dateChanged, this, &TC_FORM_Datumsberechnung::compute);
    onLeaving(*C_EDTX_Anzahl, [this] { leaveCount(); });
    connect(C_PSBT_OK, &QPushButton::clicked, this, &TC_FORM_Datumsberechnung::C_PSBT_OKClick);
    connect(C_PSBT_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TC_FORM_Datumsberechnung::layOutControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(C_LB_Hinweis1);
    auto* parameters = new QHBoxLayout;
    parameters->addWidget(C_EDTX_Anzahl);
    C_EDTX_Anzahl->setFixedWidth(C_EDTX_Anzahl->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    parameters->addWidget(C_UpDown_Anzahl);
    parameters->addWidget(C_CMBX_Einheit);
    auto* direction = new QVBoxLayout;
    direction->addWidget(C_RDBT_vor);
    direction->addWidget(C_RDBT_nach);
    parameters->addLayout(direction);
    parameters->addWidget(C_DTP_Beginn);
    layout->addLayout(parameters);
    layout->addWidget(C_CHBX_Zwischenablage);
    layout->addWidget(C_CHBX_Uebernahme);
    auto* result = named(new QGroupBox(this), "C_GRBX_Termindatum");
    auto* resultRow = new QHBoxLayout(result);
    resultRow->addWidget(C_LB_Hinweis2);
    resultRow->addWidget(C_LB_Termindatum, 1);
    layout->addWidget(result);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(C_PSBT_OK);
    buttons->addWidget(C_PSBT_Abbrechen);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void TC_FORM_Datumsberechnung::compute()
{
    const std::string count = toCp1252(C_EDTX_Anzahl->text());
    if (count.empty())
        return;
    const auto direction = C_RDBT_nach->isChecked() ? DateDirection::After : DateDirection::Before;
    m_result = calculateDate(toDayNumber(C_DTP_Beginn->date()), C_EDTX_Anzahl->text().toInt(),
                             static_cast<DateUnit>(std::max(C_CMBX_Einheit->currentIndex(), 0)), direction);
    // A date before the year 1 or after 9999 can be neither shown nor taken.
    C_LB_Termindatum->setText(m_result ? fromCp1252(formatDate(*m_result)) : QString());
    C_PSBT_OK->setEnabled(m_result.has_value());
}

void TC_FORM_Datumsberechnung::leaveCount()
{
    C_EDTX_Anzahl->setText(fromCp1252(periodCountOnLeave(toCp1252(C_EDTX_Anzahl->text()))));
}

void TC_FORM_Datumsberechnung::C_PSBT_OKClick()
{
    if (focusWidget() == C_EDTX_Anzahl)
        leaveCount();
    if (!m_result)
        return;
    if (C_CHBX_Zwischenablage->isChecked())
        m_desktop.clipboard.setText(C_LB_Termindatum->text());
    accept();
}

std::optional<DateCalculationOutcome> TC_FORM_Datumsberechnung::ask(const ModalRun& run)
{
    if (run(*this) != QDialog::Accepted || !m_result)
        return std::nullopt;
    return DateCalculationOutcome{*m_result, C_CHBX_Uebernahme->isChecked()};
}

} // namespace notavi::gui
