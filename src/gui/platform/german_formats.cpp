#include "gui/platform/german_formats.h"

namespace notavi::gui {

QLocale programLocale()
{
    QLocale locale(QLocale::German, QLocale::Germany);
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale;
}

void applyGermanFormats()
{
    QLocale::setDefault(programLocale());
}

} // namespace notavi::gui
