#include "gui/app/view_renderer.h"

#include "core/engine/entry_colour.h"
#include "gui/platform/colours.h"

namespace notavi::gui {

QColor entryColour(const ViewEntry& entry, const ViewColours& colours)
{
    const int code = shownColourCode(entry, colours.blockColours);
    return code != 0 ? colourOfCodeQt(code) : colours.fontColour;
}

} // namespace notavi::gui
