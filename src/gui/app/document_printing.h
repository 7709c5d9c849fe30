#pragma once

// Printing a text as the editor and the main window do: the printer (or a PDF file where none is
// set up) is chosen in the common print dialog, and the text fills the page but for 250 device
// units at the left and top and 200 at the right and bottom.

#include "gui/platform/desktop.h"

#include <functional>
#include <memory>

#include <QString>

class QTextDocument;
class QWidget;

namespace notavi::gui {

// False when the user cancelled the print dialog.
bool printDocument(QWidget* parent, const Desktop& desktop, const QTextDocument& document,
                   const QString& jobTitle);
// The same with a text that is made only once the printer is chosen (a copy of its own, which the
// page layout may change).
bool printDocument(QWidget* parent, const Desktop& desktop,
                   const std::function<std::unique_ptr<QTextDocument>()>& printable, const QString& jobTitle);

} // namespace notavi::gui
