#pragma once

// Colours of the core as Qt colours.

#include "core/model/colour_table.h"

#include <QColor>

namespace notavi::gui {

inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The colour of a colour code 1..17 of the fixed table.
inline QColor colourOfCodeQt(int code)
{
    return toQColor(colourOfCode(code));
}

} // namespace notavi::gui
