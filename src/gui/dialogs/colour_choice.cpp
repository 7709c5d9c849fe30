#include "gui/dialogs/colour_choice.h"

#include "core/model/colour_table.h"
#include "gui/platform/colours.h"
#include "gui/platform/text_conversion.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>

namespace notavi::gui {
namespace {

constexpr QSize kSwatchSize(30, 14);
const QColor kStandardSwatch(0xFF, 0xFB, 0xF0);

// A frame around the swatch keeps cream and white visible on a white list.
QPixmap swatch(const QColor& colour)
{
    QPixmap pixmap(kSwatchSize);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, kSwatchSize.width() - 1, kSwatchSize.height() - 1);
    return pixmap;
}

} // namespace

QColor swatchColour(int item)
{
    return item == 0 ? kStandardSwatch : colourOfCodeQt(item);
}

void fillColourChoice(QComboBox& list)
{
    list.clear();
    list.setIconSize(kSwatchSize);
    for (int item = 0; item < kColourItemCount; ++item)
        list.addItem(QIcon(swatch(swatchColour(item))), fromCp1252(colourName(item)));
}

} // namespace notavi::gui
