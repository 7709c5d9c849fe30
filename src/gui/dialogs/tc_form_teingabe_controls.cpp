// The entry dialog's controls with their captions, items and hints, and where they stand.

#include "core/dialogs/block_choice.h"
#include "core/model/block_catalogue.h"
#include "gui/dialogs/colour_choice.h"
#include "gui/dialogs/count_field.h"
#include "gui/dialogs/tc_form_teingabe.h"
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
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace notavi::gui {
namespace {

constexpr int kCountDigits = 3;
constexpr int kMaxCount = 999;

QDateEdit* datePicker(QWidget* parent, const char* name, const QString& hint)
{
    auto* picker = named(new QDateEdit(parent), name, hint);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 31));
    picker->setCalendarPopup(true);
    return picker;
}

QLineEdit* countField(QWidget* parent, const char* name, const QString& hint)
{
    auto* field = named(new QLineEdit(QStringLiteral("1"), parent), name, hint);
    acceptDigitsOnly(*field, kCountDigits);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return field;
}

QComboBox* dropDown(QWidget* parent, const char* name, const QStringList& items, const QString& hint = {})
{
    auto* list = named(new QComboBox(parent), name, hint);
    list->addItems(items);
    return list;
}

QStringList dayItems()
{
    QStringList items;
    for (int day = 1; day <= 31; ++day)
        items << QStringLiteral("%1.").arg(day, 2, 10, QLatin1Char('0'));
    return items;
}

QStringList monthItems()
{
    QStringList items{QStringLiteral("in jedem Monat")};
    for (const char* month : {"Januar", "Februar", "M\u00E4rz", "April", "Mai", "Juni", "Juli", "August",
                              "September", "Oktober", "November", "Dezember"})
        items << QStringLiteral("im ") + QString::fromUtf8(month);
    return items;
}

QStringList blockItems()
{
    QStringList items;
    for (int block = 0; block < kUserBlockCount; ++block)
        items << fromCp1252(entryBlockItemText(block));
    return items;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

} // namespace

void TC_FORM_TEingabe::createControls()
{
    createBlockControls();
    createDateControls();
    createTextControls();
    createOptionControls();
    createPeriodControls();
    createHolidayControls();
    C_PSBT_OK = named(new QPushButton(QStringLiteral("&Ok"), this), "C_PSBT_OK");
    C_PSBT_OK->setDefault(true);
    C_PSBT_Abbrechen = named(new QPushButton(QStringLiteral("&Abbrechen"), this), "C_PSBT_Abbrechen");
    layOutControls();
}

void TC_FORM_TEingabe::createBlockControls()
{
    C_GRBX_Terminblock = named(
        new QGroupBox(QStringLiteral("Terminblock (Art des Termins/der Terminwiederholung) ausw\u00E4hlen"),
                      this),
        "C_GRBX_Terminblock");
    C_CMBX_TerminBlock =
        dropDown(C_GRBX_Terminblock, "C_CMBX_TerminBlock", blockItems(),
                 QStringLiteral("Falls bekannt, kann hier der Terminblock direkt ausgew\u00E4hlt werden."));
    C_LB_oder = named(new QLabel(QStringLiteral("oder"), C_GRBX_Terminblock), "C_LB_oder");
    QFont emphasis = C_LB_oder->font();
    emphasis.setBold(true);
    emphasis.setUnderline(true);
    C_LB_oder->setFont(emphasis);
    C_PSBT_Terminblock =
        named(new QPushButton(QStringLiteral("Terminblock &ermitteln..."), C_GRBX_Terminblock),
              "C_PSBT_Terminblock",
              QStringLiteral("Den Terminblock f\u00FCr die Terminart/Art der Terminwiederholung ermitteln."));
}

void TC_FORM_TEingabe::createDateControls()
{
    C_GRBX_Datum = named(
        new QGroupBox(QStringLiteral("Termindatum, an dem der Termin (erstmalig) f\u00E4llig ist."), this),
        "C_GRBX_Datum");
    QWidget* group = C_GRBX_Datum;
    C_DTP_Datum = datePicker(group, "C_DTP_Datum", QStringLiteral("Bitte das (Start-)Datum vorgeben."));
    C_PSBT_DatumErrechnen = named(new QPushButton(QStringLiteral("..."), group), "C_PSBT_DatumErrechnen",
                                  QStringLiteral("Berechnung des Termindatums."));
    C_PSBT_DatumErrechnen->setFixedWidth(
        C_PSBT_DatumErrechnen->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 10);
    C_CHBX_Februar = named(new QCheckBox(QStringLiteral("&letzter Februartag"), group), "C_CHBX_Februar",
                           QStringLiteral("28. Februar oder im Schaltjahr 29. Februar."));
    C_CHBX_GebJahr = named(new QCheckBox(QStringLiteral("&Jahr unbekannt"), group), "C_CHBX_GebJahr",
                           QStringLiteral("Falls das Geburtsjahr unbekannt ist."));
    const QString holidayEndHint = QStringLiteral("Auch bei eint\u00E4gigen Ferien vorgeben.");
    C_LB_Ferienende =
        named(new QLabel(QStringLiteral("Ferienende"), group), "C_LB_Ferienende", holidayEndHint);
    C_DTP_Ferienende = datePicker(group, "C_DTP_Ferienende", holidayEndHint);
    C_LB_Wiederholung = named(new QLabel(QStringLiteral("Wiederholung alle"), group), "C_LB_Wiederholung");
    C_EDTX_Tage = countField(group, "C_EDTX_Tage",
                             QStringLiteral("Anzahl der Wiederholungstage bzw. -Wochen, abh\u00E4ngig vom "
                                            "nachfolgenden Optionsschalter."));
    C_UpDown_Tage = named(new UpDown(*C_EDTX_Tage, 1, kMaxCount, group), "C_UpDown_Tage");
    C_RDBT_Tag = named(new QRadioButton(QStringLiteral("&Tag(e)"), group), "C_RDBT_Tag",
                       QStringLiteral("Doppelklick rechnet Wiederholungswert in Tage um."));
    C_RDBT_Tag->setChecked(true);
    C_LB_bzw = named(new QLabel(QStringLiteral("beziehungsweise"), group), "C_LB_bzw");
    C_RDBT_Woche = named(new QRadioButton(QStringLiteral("&Wochen(n)"), group), "C_RDBT_Woche",
                         QStringLiteral("Doppelklick rechnet Wiederholungswert in  Wochen um."));
    C_CMBX_xterWoTag =
        dropDown(group, "C_CMBX_xterWoTag",
                 {QStringLiteral("jeden 1."), QStringLiteral("jeden 2."), QStringLiteral("jeden 3."),
                  QStringLiteral("jeden 4."), QStringLiteral("jeden 5. (falls vorhanden)"),
                  QStringLiteral("jeden letzten")});
    C_CMBX_WoTag =
        dropDown(group, "C_CMBX_WoTag",
                 {QStringLiteral("Montag(s)"), QStringLiteral("Dienstag(s)"), QStringLiteral("Mittwoch(s)"),
                  QStringLiteral("Donnerstag(s)"), QStringLiteral("Freitag(s)"), QStringLiteral("Samstag(s)"),
                  QStringLiteral("Sonntag(s)")});
    C_CMBX_Monat = dropDown(group, "C_CMBX_Monat", monthItems());
    C_LB_Monat = named(new QLabel(QStringLiteral("Jeden Monat am"), group), "C_LB_Monat");
    C_CMBX_xterTag = dropDown(group, "C_CMBX_xterTag", dayItems());
    C_CHBX_Vorzeichen =
        named(new QCheckBox(QStringLiteral("&vom Monatsende aus gesehen"), group), "C_CHBX_Vorzeichen",
              QStringLiteral("Z.B. jeden Monat am letzten oder vorletzten Tag."));
}

void TC_FORM_TEingabe::createTextControls()
{
    C_GRBX_Termintext = named(new QGroupBox(QStringLiteral("Terminbeschreibung"), this), "C_GRBX_Termintext");
    QWidget* group = C_GRBX_Termintext;
    C_LB_Text1 = named(new QLabel(QStringLiteral("1.Teil"), group), "C_LB_Text1");
    C_EDTX_Text1 = named(new QLineEdit(group), "C_EDTX_Text1",
                         QStringLiteral("Bitte geben Sie hier die Beschreibung ihres Termins ein."));
    C_LB_Text2 =
        named(new QLabel(QStringLiteral("2.Teil \" Anzahl der Jahre seit dem ersten Auftreten des "
                                        "Terminereignisses\", z.B:' 8'."),
                         group),
              "C_LB_Text2", QStringLiteral("Es wird ein Leerzeichen gefolgt von einer Zahl ausgegeben."));
    C_LB_Text3 = named(new QLabel(QStringLiteral("3.Teil"), group), "C_LB_Text3");
    C_EDTX_Text2 =
        named(new QLineEdit(group), "C_EDTX_Text2",
              QStringLiteral("Dieser Teil wird DIREKT nach  der \"Anzahl der Jahre\" ausgegeben."));
}

void TC_FORM_TEingabe::createOptionControls()
{
    C_GRBX_Farbe = named(new QGroupBox(QStringLiteral("Schriftfarbe des Termins"), this), "C_GRBX_Farbe");
    C_CMBX_Farbe = named(new QComboBox(C_GRBX_Farbe), "C_CMBX_Farbe",
                         QStringLiteral("Der Termin wird in dieser Farbe angezeigt."));
    fillColourChoice(*C_CMBX_Farbe);
    C_GRBX_Alarm = named(new QGroupBox(QStringLiteral("Alarmzeit"), this), "C_GRBX_Alarm");
    C_CHBX_Alarm = named(new QCheckBox(QStringLiteral("Ala&rm aktivieren um"), C_GRBX_Alarm), "C_CHBX_Alarm",
                         QStringLiteral("Den Termin mit einer zus\u00E4tzlichen Alarmzeit versehen."));
    C_DTP_Alarm =
        named(new QTimeEdit(C_GRBX_Alarm), "C_DTP_Alarm", QStringLiteral("Alarmzeit f\u00FCr den Termin."));
    C_DTP_Alarm->setDisplayFormat(QStringLiteral("HH:mm"));
    C_LB_Uhr = named(new QLabel(QStringLiteral("Uhr"), C_GRBX_Alarm), "C_LB_Uhr");
    C_GRBX_Deaktivieren = named(new QGroupBox(QStringLiteral("Deaktivieren"), this), "C_GRBX_Deaktivieren");
    C_CHBX_Ferien =
        named(new QCheckBox(QStringLiteral("Termin in den &Ferien nicht ausgeben."), C_GRBX_Deaktivieren),
              "C_CHBX_Ferien", QStringLiteral("Der Termin wird w\u00E4hrend der Ferien nicht angezeigt."));
    C_CHBX_Deaktiviert =
        named(new QCheckBox(QStringLiteral("Termin &deaktivieren, also nicht ber\u00FCcksichtigen."),
                            C_GRBX_Deaktivieren),
              "C_CHBX_Deaktiviert",
              QStringLiteral("Der Termin wird, solange er deaktiviert ist, nicht mehr angezeigt."));
}

void TC_FORM_TEingabe::createPeriodControls()
{
    C_GRBX_Terminzeitraum =
        named(new QGroupBox(QStringLiteral("Terminzeitraum f\u00FCr Termine mit Wiederholung"), this),
              "C_GRBX_Terminzeitraum");
    QWidget* group = C_GRBX_Terminzeitraum;
    C_CHBX_Zeitraum =
        named(new QCheckBox(QStringLiteral("Termin nur in diesem &Zeitraum ausgeben"), group),
              "C_CHBX_Zeitraum", QStringLiteral("Den Termin auf einen Zeitraum beschr\u00E4nken."));
    C_LB_Beginn = named(new QLabel(QStringLiteral("Beginn"), group), "C_LB_Beginn");
    C_DTP_Beginn = datePicker(group, "C_DTP_Beginn", QStringLiteral("Beginn des Terminzeitraums."));
    C_LB_Ende = named(new QLabel(QStringLiteral("Ende"), group), "C_LB_Ende");
    C_RDBT_am = named(new QRadioButton(QStringLiteral("&am"), group), "C_RDBT_am",
                      QStringLiteral("Endedatum vorgegeben."));
    C_RDBT_am->setChecked(true);
    C_DTP_Ende = datePicker(group, "C_DTP_Ende", QStringLiteral("Ende des Terminzeitraums."));
    C_LB_oder2 = named(new QLabel(QStringLiteral("oder"), group), "C_LB_oder2");
    C_RDBT_nach = named(new QRadioButton(QStringLiteral("&nach"), group), "C_RDBT_nach",
                        QStringLiteral("Endedatum berechnen."));
    C_EDTX_Anzahl =
        countField(group, "C_EDTX_Anzahl", QStringLiteral("Anzahl der Tage/Wochen/... bis zum Terminende"));
    C_UpDown_Anzahl = named(new UpDown(*C_EDTX_Anzahl, 0, kMaxCount, group), "C_UpDown_Anzahl");
    C_CMBX_Einheit = dropDown(group, "C_CMBX_Einheit",
                              {QStringLiteral("Tag(en)"), QStringLiteral("Woche(n)"),
                               QStringLiteral("Monat(en)"), QStringLiteral("Jahr(en)")},
                              QStringLiteral("Bitte die gew\u00FCnschte Einheit ausw\u00E4hlen."));
}

void TC_FORM_TEingabe::createHolidayControls()
{
    const QString yearHint =
        QStringLiteral("Hier k\u00F6nnen Sie das Jahr f\u00FCr die Feiertagsliste \u00E4ndern.");
    C_LB_Feiertagsjahr =
        named(new QLabel(QStringLiteral("Feiertage des Jahres"), this), "C_LB_Feiertagsjahr", yearHint);
    C_DTP_Feiertagsjahr = named(new QDateEdit(this), "C_DTP_Feiertagsjahr", yearHint);
    C_DTP_Feiertagsjahr->setDisplayFormat(QStringLiteral("yyyy"));
    C_DTP_Feiertagsjahr->setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 31));
    C_LSBX_Feiertage =
        named(new QListWidget(this), "C_LSBX_Feiertage",
              QStringLiteral("Doppelklick \u00FCbernimmt das Datum f\u00FCr den aktuellen Termin."));
    // Wide enough for the longest names of the list ("03.10. Tag der Deutschen Einheit").
    C_LSBX_Feiertage->setMinimumWidth(C_LSBX_Feiertage->fontMetrics().horizontalAdvance(
                                          QStringLiteral("03.10. Tag der Deutschen Einheit")) +
                                      40);
}

void TC_FORM_TEingabe::layOutControls()
{
    auto* blockRow = new QHBoxLayout(C_GRBX_Terminblock);
    blockRow->addWidget(C_CMBX_TerminBlock, 1);
    blockRow->addWidget(C_LB_oder);
    blockRow->addWidget(C_PSBT_Terminblock);

    auto* dateRows = new QVBoxLayout(C_GRBX_Datum);
    dateRows->addLayout(row({C_DTP_Datum, C_PSBT_DatumErrechnen, C_CHBX_Februar, C_CHBX_GebJahr,
                             C_LB_Ferienende, C_DTP_Ferienende}));
    dateRows->addLayout(
        row({C_LB_Wiederholung, C_EDTX_Tage, C_UpDown_Tage, C_RDBT_Tag, C_LB_bzw, C_RDBT_Woche}));
    dateRows->addLayout(row({C_CMBX_xterWoTag, C_CMBX_WoTag, C_CMBX_Monat}));
    dateRows->addLayout(row({C_LB_Monat, C_CMBX_xterTag, C_CHBX_Vorzeichen}));

    auto* textRows = new QGridLayout(C_GRBX_Termintext);
    textRows->addWidget(C_LB_Text1, 0, 0);
    textRows->addWidget(C_EDTX_Text1, 0, 1);
    textRows->addWidget(C_LB_Text2, 1, 0, 1, 2);
    textRows->addWidget(C_LB_Text3, 2, 0);
    textRows->addWidget(C_EDTX_Text2, 2, 1);

    (new QHBoxLayout(C_GRBX_Farbe))->addWidget(C_CMBX_Farbe);
    auto* alarmRow = new QHBoxLayout(C_GRBX_Alarm);
    alarmRow->addWidget(C_CHBX_Alarm);
    alarmRow->addWidget(C_DTP_Alarm);
    alarmRow->addWidget(C_LB_Uhr);
    auto* deactivateRows = new QVBoxLayout(C_GRBX_Deaktivieren);
    deactivateRows->addWidget(C_CHBX_Ferien);
    deactivateRows->addWidget(C_CHBX_Deaktiviert);

    auto* periodRows = new QVBoxLayout(C_GRBX_Terminzeitraum);
    periodRows->addWidget(C_CHBX_Zeitraum);
    periodRows->addLayout(row({C_LB_Beginn, C_DTP_Beginn}));
    periodRows->addLayout(row({C_LB_Ende, C_RDBT_am, C_DTP_Ende, C_LB_oder2, C_RDBT_nach, C_EDTX_Anzahl,
                               C_UpDown_Anzahl, C_CMBX_Einheit}));

    auto* left = new QVBoxLayout;
    left->addWidget(C_GRBX_Terminblock);
    left->addWidget(C_GRBX_Datum);
    left->addWidget(C_GRBX_Termintext);
    auto* options = new QHBoxLayout;
    options->addWidget(C_GRBX_Farbe, 1);
    options->addWidget(C_GRBX_Alarm);
    left->addLayout(options);
    left->addWidget(C_GRBX_Deaktivieren);
    left->addWidget(C_GRBX_Terminzeitraum);

    auto* right = new QVBoxLayout;
    right->addLayout(row({C_LB_Feiertagsjahr, C_DTP_Feiertagsjahr}));
    right->addWidget(C_LSBX_Feiertage, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(C_PSBT_OK);
    buttons->addWidget(C_PSBT_Abbrechen);
    right->addLayout(buttons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right);
}

} // namespace notavi::gui
