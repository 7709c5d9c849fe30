#include "gui/editor/sort_tool.h"

#include "core/editor/text_sort.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_range_edits.h"

#include <algorithm>

#include <QScrollBar>

namespace notavi::gui {

void SortTool::run()
{
    EditorTextControl& text = m_host.text;
    const int caretLine = text.caretLine();
    const int topLine = text.verticalScrollBar()->value();
    const Lines before = m_host.lines;
    changeLinesAsOneEdit(text, before, sortText(before));
    text.moveCaretToLine(caretLine);
    text.verticalScrollBar()->setValue(std::min(topLine, text.verticalScrollBar()->maximum()));
    m_host.inform(kSortedMessage);
}

} // namespace notavi::gui
