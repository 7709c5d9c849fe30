#pragma once

// The colours of the view's entries as Qt colours.

#include "core/app/settings.h"
#include "core/engine/view_entry.h"
#include "core/model/block_catalogue.h"

#include <array>

#include <QColor>

namespace notavi::gui {

struct ViewColours
{
    std::array<int, kBlockCount> blockColours{}; // colour code per block, 0 = none
    QColor fontColour;                           // the view's font colour
};

// The block colours and the font colour of the settings.
ViewColours viewColoursOf(const Settings& settings);

// The entry's own colour, else its block's colour, else the view's font colour.
QColor entryColour(const ViewEntry& entry, const ViewColours& colours);

} // namespace notavi::gui
