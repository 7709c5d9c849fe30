#include "gui/app/tc_form_terminblock.h"

#include "gui/app/block_control_names.h"
#include "gui/platform/text_conversion.h"

#include <algorithm>
#include <functional>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace notavi::gui {
namespace {

constexpr int kBirthdays = blockNumber(BlockKind::Birthdays);
constexpr int kMoonPhases = blockNumber(BlockKind::MoonPhases);

// The moon-phase boxes in the order of MoonPhase.
const std::pair<const char*, const char*> kPhaseBoxes[kMoonPhaseCount] = {
    {"C_CHBX_Neumond", "Neumond"},
    {"C_CHBX_zunHalbmond", "Zunehmender Halbmond"},
    {"C_CHBX_Vollmond", "Vollmond"},
    {"C_CHBX_abnHalbmond", "Abnehmender Halbmond"},
};

QString boxName(int block)
{
    if (block == kBirthdays)
        return QStringLiteral("C_CHBX_Geburtstag");
    return QStringLiteral("C_CHBX_") + QLatin1String(kBlockControlNames[static_cast<std::size_t>(block)]);
}

QString boxCaption(int block)
{
    if (block == kBirthdays)
        return QStringLiteral("&Geburtstage ->");
    return fromCp1252(BlockCatalogue::displayName(block));
}

} // namespace

TC_FORM_Terminblock::TC_FORM_Terminblock(const BlockSelection& selection, const DialogLook& look,
                                         QWidget* parent)
    : QDialog(parent), m_look(look)
{
    setObjectName(QStringLiteral("TC_FORM_Terminblock"));
    setWindowTitle(QStringLiteral("Terminblockauswahl"));
    auto* column = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Markierte Terminbl\u00F6cke werden ausgewertet"), this);
    auto* grid = new QGridLayout(group);
    for (int block = 0; block < kBlockCount; ++block) {
        QCheckBox* box = addBox(group, boxName(block), boxCaption(block),
                                selection.blocks[static_cast<std::size_t>(block)]);
        box->setProperty("tag", block);
        box->setToolTip(QStringLiteral("Terminblock f\u00FCr die Terminanzeige (de)aktiveren."));
        // The user blocks on the left, the computed ones on the right with the moon phases below.
        if (block < 13)
            grid->addWidget(box, block, 0);
        else
            grid->addWidget(box, block - 13, 1);
        m_blocks[static_cast<std::size_t>(block)] = box;
    }
    C_CHBX_GeburtstagMit = addBox(group, QStringLiteral("C_CHBX_GeburtstagMit"),
                                  QStringLiteral("mit &1000er Tage"), selection.thousandDays);
    C_CHBX_GeburtstagMit->setProperty("tag", 99);
    grid->addWidget(C_CHBX_GeburtstagMit, 0, 2);
    for (int phase = 0; phase < kMoonPhaseCount; ++phase) {
        const auto index = static_cast<std::size_t>(phase);
        QCheckBox* box = addBox(group, QLatin1String(kPhaseBoxes[index].first),
                                QLatin1String(kPhaseBoxes[index].second), selection.moonPhases[index]);
        grid->addWidget(box, 5 + phase, 1);
        connect(box, &QCheckBox::clicked, this, &TC_FORM_Terminblock::C_CHBX_PhaseClick);
        m_phases[index] = box;
    }
    C_CHBX_Uhrzeit = addBox(group, QStringLiteral("C_CHBX_Uhrzeit"), QStringLiteral("jeweils mit Uhrzeit"),
                            selection.moonClockTime);
    grid->addWidget(C_CHBX_Uhrzeit, 9, 1);
    column->addWidget(group);
    connect(m_blocks[kBirthdays], &QCheckBox::clicked, this, &TC_FORM_Terminblock::C_CHBX_GeburtstagClick);
    connect(C_CHBX_GeburtstagMit, &QCheckBox::clicked, this, &TC_FORM_Terminblock::C_CHBX_GeburtstagMitClick);
    connect(m_blocks[kMoonPhases], &QCheckBox::clicked, this, &TC_FORM_Terminblock::C_CHBX_MondphasenClick);

    auto* buttons = new QHBoxLayout;

    const struct
    {
        const char* name;
        QString caption;
        std::function<void()> click;
    } kButtons[] = {
        {"C_PSBT_Alle", QStringLiteral("A&lle ausw\u00E4hlen"), [this] { setAllBlocks(true); }},
        {"C_PSBT_Keinen", QStringLiteral("&Keinen ausw\u00E4hlen"), [this] { setAllBlocks(false); }},
        {"C_PSBT_OK", QStringLiteral("&Ok"), [this] { done(Ok); }},
        {"C_PSBT_OKSpeichern", QStringLiteral("Ok && S&peichern"), [this] { done(OkAndSave); }},
        {"C_PSBT_Abbrechen", QStringLiteral("&Abbrechen"), [this] { reject(); }},
    };

    for (const auto& button : kButtons) {
        auto* push = new QPushButton(button.caption, this);
        push->setObjectName(QLatin1String(button.name));
        push->setAutoDefault(false);
        push->setDefault(button.caption == QStringLiteral("&Ok"));
        connect(push, &QPushButton::clicked, this, button.click);
        buttons->addWidget(push);
    }
    column->addLayout(buttons);
}

QCheckBox* TC_FORM_Terminblock::addBox(QWidget* parent, const QString& name, const QString& caption,
                                       bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

BlockSelection TC_FORM_Terminblock::selection() const
{
    BlockSelection selection;
    for (std::size_t block = 0; block < m_blocks.size(); ++block)
        selection.blocks[block] = m_blocks[block]->isChecked();
    selection.thousandDays = C_CHBX_GeburtstagMit->isChecked();
    for (std::size_t phase = 0; phase < m_phases.size(); ++phase)
        selection.moonPhases[phase] = m_phases[phase]->isChecked();
    selection.moonClockTime = C_CHBX_Uhrzeit->isChecked();
    return selection;
}

void TC_FORM_Terminblock::showEvent(QShowEvent* event)
{
    applyDialogLook(this, m_look);
    if (m_look.colours.followView) {
        QPalette palette = C_CHBX_GeburtstagMit->palette();
        palette.setColor(QPalette::WindowText, m_look.colours.text);
        C_CHBX_GeburtstagMit->setPalette(palette);
    }
    C_CHBX_GeburtstagClick();
    QDialog::showEvent(event);
}

// Rule 1: the two buttons set every box of the group, the birthday and moon-phase choices with them.
void TC_FORM_Terminblock::setAllBlocks(bool checked)
{
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setChecked(checked);
}

// Rule 2: no thousand-day entries without birthdays.
void TC_FORM_Terminblock::C_CHBX_GeburtstagClick()
{
    if (!m_blocks[kBirthdays]->isChecked())
        C_CHBX_GeburtstagMit->setChecked(false);
}

void TC_FORM_Terminblock::C_CHBX_GeburtstagMitClick()
{
    if (C_CHBX_GeburtstagMit->isChecked())
        m_blocks[kBirthdays]->setChecked(true);
}

// Rule 3: the moon-phase box and the four phases follow each other.
void TC_FORM_Terminblock::C_CHBX_MondphasenClick()
{
    if (m_inMoonRule)
        return;
    m_inMoonRule = true;
    for (QCheckBox* phase : m_phases)
        phase->setChecked(m_blocks[kMoonPhases]->isChecked());
    m_inMoonRule = false;
}

void TC_FORM_Terminblock::C_CHBX_PhaseClick()
{
    if (m_inMoonRule)
        return;
    m_inMoonRule = true;
    m_blocks[kMoonPhases]->setChecked(std::any_of(m_phases.begin(), m_phases.end(),
                                                  [](const QCheckBox* phase) { return phase->isChecked(); }));
    m_inMoonRule = false;
}

} // namespace notavi::gui
