#pragma once

// A small framed square of a colour, for the items of colour lists.

#include <QColor>
#include <QIcon>

namespace notavi::gui {

QIcon colourSwatch(const QColor& colour);

} // namespace notavi::gui
