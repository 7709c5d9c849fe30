#include "gui/app/tc_form_terminblockfarbe.h"

#include "gui/app/block_control_names.h"
#include "gui/app/colour_list.h"
#include "gui/platform/text_conversion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace notavi::gui {

TC_FORM_Terminblockfarbe::TC_FORM_Terminblockfarbe(const Codes& codes, const DialogLook& look,
                                                   QWidget* parent)
    : QDialog(parent), m_look(look)
{
    setObjectName(QStringLiteral("TC_FORM_Terminblockfarbe"));
    setWindowTitle(QStringLiteral("Terminblockfarbe"));
    auto* column = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Standardfarbe f\u00FCr Terminbl\u00F6cke festlegen"), this);
    auto* grid = new QGridLayout(group);
    for (int block = 0; block < kBlockCount; ++block) {
        const auto index = static_cast<std::size_t>(block);
        const QString name = fromCp1252(BlockCatalogue::displayName(block));
        auto* list = new ColourList(group);
        list->setObjectName(QStringLiteral("C_CMBX_") + QLatin1String(kBlockControlNames[index]));
        list->setToolTip(QStringLiteral("Standardfarbe f\u00FCr den Terminblock %1").arg(name));
        list->setCode(codes[index]);
        // Two columns: the user blocks on the left, the rest on the right.
        const int row = block % 9;
        const int pair = block / 9;
        grid->addWidget(new QLabel(name, group), row, pair * 2);
        grid->addWidget(list, row, pair * 2 + 1);
        m_lists[index] = list;
    }
    column->addWidget(group);

    auto* standard = new QPushButton(
        QStringLiteral("Alle Terminbl\u00F6cke auf die &Standardfarbe von Notavi setzen"), this);
    standard->setObjectName(QStringLiteral("C_PSBT_Standard"));
    connect(standard, &QPushButton::clicked, this, &TC_FORM_Terminblockfarbe::C_PSBT_StandardClick);
    column->addWidget(standard);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("C_PSBT_OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("C_PSBT_Abbrechen"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
}

TC_FORM_Terminblockfarbe::Codes TC_FORM_Terminblockfarbe::codes() const
{
    Codes result{};
    for (std::size_t block = 0; block < result.size(); ++block)
        result[block] = m_lists[block]->code();
    return result;
}

void TC_FORM_Terminblockfarbe::showEvent(QShowEvent* event)
{
    applyDialogLook(this, m_look);
    QDialog::showEvent(event);
}

void TC_FORM_Terminblockfarbe::C_PSBT_StandardClick()
{
    for (ColourList* list : m_lists)
        list->setCode(0);
}

} // namespace notavi::gui
