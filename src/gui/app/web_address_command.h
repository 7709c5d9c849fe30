#pragma once

// Opening the web address written in a line, shared by the editor and the main window: only the
// four address beginnings are ever opened, always as a URL and never through a shell command.

#include "gui/platform/desktop.h"

#include <QString>

class QPlainTextEdit;
class QWidget;

namespace notavi::gui {

struct WebAddressRequest
{
    QString line;             // the line the address is looked for in
    bool askFirst = false;    // "Sicherheitsabfrage vor URL-Aufruf" is checked
    QString noAddressMessage; // the window's own report of a line without an address
};

// False when nothing was opened (no address, the user said No, or the desktop failed).
bool openWebAddressOfLine(QWidget* parent, const Desktop& desktop, const WebAddressRequest& request);

// The caret's line; a selection that ends in a line break counts as ending on the line before.
QString caretLineText(const QPlainTextEdit& text);

} // namespace notavi::gui
