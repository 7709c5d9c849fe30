#include "gui/app/view_renderer.h"

#include "core/engine/entry_colour.h"
#include "gui/platform/colours.h"
#include "gui/platform/settings_conversion.h"

namespace notavi::gui {

ViewColours viewColoursOf(const Settings& settings)
{
    return {settings.blockColours.codes, toQColor(settings.main.font.colour)};
}

QColor entryColour(const ViewEntry& entry, const ViewColours& colours)
{
    const int code = shownColourCode(entry, colours.blockColours);
    return code != 0 ? colourOfCodeQt(code) : colours.fontColour;
}

} // namespace notavi::gui
