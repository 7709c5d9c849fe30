#include "gui/app/colour_list.h"

#include "core/model/colour_table.h"
#include "gui/platform/colours.h"
#include "gui/platform/text_conversion.h"

#include <QPainter>
#include <QPixmap>

namespace notavi::gui {
namespace {

QIcon swatch(const QColor& colour)
{
    QPixmap picture(16, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(colour);
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    return QIcon(picture);
}

} // namespace

ColourList::ColourList(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(16, 12));
    addItem(QStringLiteral("Standardfarbe"));
    for (int code = 1; code <= kColourCount; ++code)
        addItem(swatch(colourOfCodeQt(code)), fromCp1252(colourName(code)));
}

void ColourList::setCode(int code)
{
    setCurrentIndex(code >= 0 && code <= kColourCount ? code : 0);
}

} // namespace notavi::gui
