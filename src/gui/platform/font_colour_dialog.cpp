#include "gui/platform/font_colour_dialog.h"

#include "core/model/colour_table.h"
#include "gui/platform/colour_swatch.h"
#include "gui/platform/colours.h"
#include "gui/platform/text_conversion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QLayout>
#include <QVBoxLayout>

namespace notavi::gui {

FontColourDialog::FontColourDialog(const QFont& font, const QColor& colour, const QString& title,
                                   QWidget* parent)
    : QDialog(parent), m_font(new QFontDialog(font, this)), m_colour(new QComboBox(this))
{
    setObjectName(QStringLiteral("FontColourDialog"));
    setWindowTitle(title);
    // Qt's own font dialog as a part of this one, without its buttons.
    m_font->setWindowFlags(Qt::Widget);
    m_font->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // A generic family such as "Sans Serif" has no styles of its own in the dialog, which would show
    // a bold font as "Normal" and give it back so: the dialog opens with the family it stands for.
    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    m_font->setCurrentFont(shown);
    m_font->setSizeGripEnabled(false);

    m_colour->setObjectName(QStringLiteral("fontColour"));
    m_colour->setIconSize(QSize(16, 12));
    for (int code = 1; code <= kColourCount; ++code)
        m_colour->addItem(colourSwatch(colourOfCodeQt(code)), fromCp1252(colourName(code)),
                          colourOfCodeQt(code));
    int current = m_colour->findData(colour);
    if (current < 0) {
        m_colour->insertItem(0, colourSwatch(colour), QStringLiteral("Eigene Farbe"), colour);
        current = 0;
    }
    m_colour->setCurrentIndex(current);

    auto* colourRow = new QFormLayout;
    colourRow->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    colourRow->addRow(QStringLiteral("&Farbe:"), m_colour);
    // In line with the font dialog's own controls above it.
    const QMargins inner = m_font->layout()->contentsMargins();
    colourRow->setContentsMargins(inner.left(), 0, inner.right(), 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_font);
    column->addLayout(colourRow);
    column->addWidget(buttons);
}

QFont FontColourDialog::chosenFont() const
{
    return m_font->currentFont();
}

QColor FontColourDialog::chosenColour() const
{
    return m_colour->currentData().value<QColor>();
}

} // namespace notavi::gui
