#pragma once

// Text the program puts into an editing control (a composed appointment line, a date, imported
// holidays) goes in as one edit of the control: one undo step, the document marked modified, and
// the clipboard left alone.

#include <QString>

class QPlainTextEdit;
class QTextEdit;

namespace notavi::gui {

// Replaces the selection (or inserts at the caret) with text; the caret ends after it.
void insertAsOneEdit(QTextEdit& control, const QString& text);
void insertAsOneEdit(QPlainTextEdit& control, const QString& text);

} // namespace notavi::gui
