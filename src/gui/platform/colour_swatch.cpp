#include "gui/platform/colour_swatch.h"

#include <QPainter>
#include <QPixmap>

namespace notavi::gui {

QIcon colourSwatch(const QColor& colour)
{
    QPixmap picture(16, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(colour);
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    return QIcon(picture);
}

} // namespace notavi::gui
