#include "gui/platform/caret_line.h"

#include <QTextBlock>
#include <QTextDocument>

namespace notavi::gui {

int caretLineOf(const QTextCursor& cursor)
{
    if (!cursor.hasSelection())
        return cursor.blockNumber();
    int end = cursor.selectionEnd();
    if (cursor.document()->characterAt(end - 1) == QChar::ParagraphSeparator)
        --end;
    return cursor.document()->findBlock(end).blockNumber();
}

} // namespace notavi::gui
