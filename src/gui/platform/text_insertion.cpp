#include "gui/platform/text_insertion.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace notavi::gui {
namespace {

// The control's own cursor, so that the insertion joins its undo stack as a single step.
template <typename Control> void insertThroughCursor(Control& control, const QString& text)
{
    QTextCursor cursor = control.textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    control.setTextCursor(cursor);
}

} // namespace

void insertAsOneEdit(QTextEdit& control, const QString& text)
{
    insertThroughCursor(control, text);
}

void insertAsOneEdit(QPlainTextEdit& control, const QString& text)
{
    insertThroughCursor(control, text);
}

} // namespace notavi::gui
