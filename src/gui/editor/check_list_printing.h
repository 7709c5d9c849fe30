#pragma once

// Printing the check list instead of the text while it is shown: its entries, one a line, in the
// list's font and font colour, through the same printing as the text, titled "Prüfliste".

#include "gui/platform/desktop.h"

class QListWidget;
class QWidget;

namespace notavi::gui {

// False when the user cancelled the print dialog.
bool printCheckList(QWidget* parent, const Desktop& desktop, const QListWidget& list);

} // namespace notavi::gui
