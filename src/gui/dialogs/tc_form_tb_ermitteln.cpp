#include "gui/dialogs/tc_form_tb_ermitteln.h"

#include "core/dialogs/block_choice.h"
#include "gui/platform/text_conversion.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace notavi::gui {
namespace {

struct KindTexts
{
    const char* objectName;
    QString caption;
    QString hint;
};

const QString kStartDateGivesWeekday = QStringLiteral("Der Wochentag wird durch das Startdatum bestimmt.");

// The captions and hints of the kinds; their groups and blocks are the core's.
const KindTexts* textsOf(std::string_view objectName)
{
    static const KindTexts kTexts[] = {
        {"C_RDBT_Einmalig", QStringLiteral("&Ein Termin der nur  ein Mal auftritt."),
         QStringLiteral("Ein Termin der nur  ein Mal auftritt.")},
        {"C_RDBT_Geburtstag", QStringLiteral("&Geburtstag (mit Angabe wie alt das Geburtstagskind wird)."),
         QStringLiteral("Hier werden Geburtstage eingegeben.")},
        {"C_RDBT_Namenstag", QStringLiteral("&Namenstag."),
         QStringLiteral("Hier werden Namenstage eingegeben.")},
        {"C_RDBT_Jaehrlich", QStringLiteral("&J\u00E4hrliche Termine, z.B.:  Am 21. Juni ist Sommeranfang."),
         QStringLiteral("J\u00E4hrliche Termine, z.B. Am 21. Juni ist Sommeranfang.")},
        {"C_RDBT_Seit_x_Jahren",
         QStringLiteral("J&\u00E4hrliche Termine mit \"Alters\"-Angabe, z.B.: Vor 5 Jahren haben wir uns "
                        "kennengelernt."),
         QStringLiteral("J\u00E4hrliche Termine mit \"Alters\"-Angabe, z.B.: Vor 5 Jahren haben wir uns "
                        "kennengelernt.")},
        {"C_RDBT_X_Wochentag",
         QStringLiteral("M&onatlicher Termin nach Wochentag, z.B. jeden dritten Freitag in jedem  Monat."),
         QStringLiteral(
             "Monatlicher Termin, z.B. jeden 3. Freitag in jedem Monat oder j\u00E4hrlicher Termin, "
             "z.B. jeder 1. Montag im Mai.")},
        {"C_RDBT_Monatlich",
         QStringLiteral(
             "&Monatliche Termine, z.B.  jeden zweiten Tag im Monat oder am vorletzen Tag im Monat."),
         QStringLiteral(
             "Monatliche Termine, z.B.  jeden zweiten Tag im Monat oder am vorletzen Tag im Monat.")},
        {"C_RDBT_Alle_x_Tage",
         QStringLiteral("Jeden &x.ten Tag bzw. jede x.te Woche, z.B. alle 12 Tage oder alle 5 Wochen."),
         QStringLiteral("Jeden x.ten Tag bzw. jede x.te Woche, z.B. alle 12 Tage oder alle 5 Wochen.")},
        {"C_RDBT_Woechentlich", QStringLiteral("&W\u00F6chentlich, z.B. jeden Montag oder jeden Dienstag."),
         QStringLiteral("W\u00F6chentlich, z.B. jeden Montag.")},
        {"C_RDBT_2woechentlich", QStringLiteral("&Zweiw\u00F6chentlich,  z.B. alle 2 Wochen Dienstags."),
         kStartDateGivesWeekday},
        {"C_RDBT_4woechentlich",
         QStringLiteral("&Vierw\u00F6chentliche Termine, z.B. alle 4 Wochen Montags."),
         kStartDateGivesWeekday},
        {"C_RDBT_6woechentlich",
         QStringLiteral("&Sechsw\u00F6chentliche Termine, z.B. alle 6 Wochen Sonntags."),
         kStartDateGivesWeekday},
        {"C_RDBT_Ferien", QStringLiteral("&Ferienbeginn und -ende."),
         QStringLiteral("Z.B Beginn und Ende der Sommerferien.")},
    };
    for (const KindTexts& texts : kTexts)
        if (objectName == texts.objectName)
            return &texts;
    return nullptr;
}

// The notes that stand below a kind inside its group.
QString noteBelow(std::string_view objectName)
{
    if (objectName == "C_RDBT_X_Wochentag")
        return QStringLiteral("=> obiger Termin mit bestimmten Monat, z.B.  erster Montag im Mai, ist ein "
                              "j\u00E4hrlicher Termin.");
    if (objectName == "C_RDBT_Alle_x_Tage")
        return QStringLiteral("- Die 4 nachfolgenden Terminarten k\u00F6nnen auch mit der oberen Terminart "
                              "erstellt werden. -");
    return {};
}

QRadioButton* kindButton(const BlockChoiceButton& button, QWidget* parent)
{
    auto* radio = new QRadioButton(parent);
    radio->setObjectName(QString::fromLatin1(button.objectName.data(), qsizetype(button.objectName.size())));
    if (const KindTexts* texts = textsOf(button.objectName)) {
        radio->setText(texts->caption);
        radio->setToolTip(texts->hint);
    }
    return radio;
}

} // namespace

TC_Form_TB_ermitteln::TC_Form_TB_ermitteln(std::optional<int> entryBlock, const DialogLook& look,
                                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TC_Form_TB_ermitteln"));
    setWindowTitle(QStringLiteral("Terminblock ermitteln"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    const int initial = initialBlockChoice(entryBlock);
    if (QAbstractButton* button = m_kinds->button(initial))
        button->setChecked(true);
    choose(initial);
    applyDialogLook(this, look);
}

void TC_Form_TB_ermitteln::createControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(
        QStringLiteral("Bitte w\u00E4hlen Sie die gew\u00FCnschte Terminart/Terminwiederholung aus"), this);
    heading->setObjectName(QStringLiteral("C_LB_Ueberschrift"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    m_kinds = new QButtonGroup(this);
    for (const BlockChoiceGroup& group : blockChoiceGroups()) {
        auto* box = new QGroupBox(fromCp1252(group.caption), this);
        auto* rows = new QVBoxLayout(box);
        for (const BlockChoiceButton& button : group.buttons) {
            QRadioButton* radio = kindButton(button, box);
            m_kinds->addButton(radio, button.block);
            rows->addWidget(radio);
            if (const QString note = noteBelow(button.objectName); !note.isEmpty())
                rows->addWidget(new QLabel(note, box));
        }
        layout->addWidget(box);
    }
    connect(m_kinds, &QButtonGroup::idClicked, this, &TC_Form_TB_ermitteln::choose);

    auto* result = new QHBoxLayout;
    auto* hint = new QLabel(QStringLiteral("Die gew\u00E4hlte Terminart  entspricht dem Terminblock:"), this);
    hint->setObjectName(QStringLiteral("C_LB_Hinweis"));
    C_LB_Terminblock = new QLabel(this);
    C_LB_Terminblock->setObjectName(QStringLiteral("C_LB_Terminblock"));
    C_LB_Terminblock->setFont(bold);
    result->addWidget(hint);
    result->addWidget(C_LB_Terminblock, 1);
    layout->addLayout(result);

    auto* buttons = new QHBoxLayout;
    C_PSBT_OK = new QPushButton(QStringLiteral("O&K"), this);
    C_PSBT_OK->setObjectName(QStringLiteral("C_PSBT_OK"));
    C_PSBT_OK->setDefault(true);
    C_PSBT_Abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    C_PSBT_Abbrechen->setObjectName(QStringLiteral("C_PSBT_Abbrechen"));
    buttons->addStretch();
    buttons->addWidget(C_PSBT_OK);
    buttons->addWidget(C_PSBT_Abbrechen);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(C_PSBT_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(C_PSBT_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TC_Form_TB_ermitteln::choose(int block)
{
    m_chosenBlock = block;
    C_LB_Terminblock->setText(fromCp1252(entryBlockItemText(block)));
}

} // namespace notavi::gui
