#include "gui/app/colour_list.h"

#include "core/model/colour_table.h"
#include "gui/platform/colour_swatch.h"
#include "gui/platform/colours.h"
#include "gui/platform/text_conversion.h"

namespace notavi::gui {

ColourList::ColourList(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(16, 12));
    addItem(QStringLiteral("Standardfarbe"));
    for (int code = 1; code <= kColourCount; ++code)
        addItem(colourSwatch(colourOfCodeQt(code)), fromCp1252(colourName(code)));
}

void ColourList::setCode(int code)
{
    setCurrentIndex(code >= 0 && code <= kColourCount ? code : 0);
}

} // namespace notavi::gui
