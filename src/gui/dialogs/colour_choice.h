#pragma once

// The colour list of the entry dialog: "Termin Standardfarbe" and the seventeen colours of the
// colour codes, each drawn with a swatch of the colour in which the view shows that code.

#include <QColor>

class QComboBox;

namespace notavi::gui {

// The item index is the colour code; 0 stands for the view's own colour.
constexpr int kColourItemCount = 18;

// The swatch of an item: cream for the standard colour, else the colour of the code.
QColor swatchColour(int item);

// Fills the list with its items and their swatches, about 30 pixels wide, left of the names.
void fillColourChoice(QComboBox& list);

} // namespace notavi::gui
