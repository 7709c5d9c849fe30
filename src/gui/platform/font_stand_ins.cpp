#include "gui/platform/font_stand_ins.h"

#include <QFont>
#include <QStringList>

namespace notavi::gui {

void installFontStandIns()
{
    // Metric-compatible families first (Liberation, Croscore), then what every desktop has.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")});
}

} // namespace notavi::gui
