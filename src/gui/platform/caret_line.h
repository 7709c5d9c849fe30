#pragma once

// The line a command of the view or the editor works on: the caret's line, and with a selection the
// last selected line, whichever way the selection was made. A selection that ends with a line break
// ends on the line before it, so that a whole line selected with Shift+Down or by dragging to the
// start of the next line is that line.

#include <QTextCursor>

namespace notavi::gui {

// Counted from 0.
int caretLineOf(const QTextCursor& cursor);

} // namespace notavi::gui
