#include "gui/editor/deletion_tool.h"

#include "core/editor/line_deletion.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_range_edits.h"

#include <algorithm>
#include <numeric>

#include <QTextBlock>

namespace notavi::gui {
namespace {

std::vector<int> lineRange(int first, int end)
{
    std::vector<int> lines(static_cast<std::size_t>(std::max(0, end - first)));
    std::iota(lines.begin(), lines.end(), first);
    return lines;
}

} // namespace

void DeletionTool::run(DayNumber referenceDay)
{
    EditorTextControl& text = m_host.text;
    m_caretLine = text.caretLine();
    m_caretColumn = text.caretColumn();
    // The empty last line of a text that ends with a line break is the line after the file's last.
    const bool trailingEmpty = m_caretLine + 1 == text.document()->blockCount() &&
                               text.document()->lastBlock().text().isEmpty() && m_caretLine > 0;
    const std::size_t line = trailingEmpty ? m_host.lines.size() : static_cast<std::size_t>(m_caretLine);
    const LineDeletion deletion = deletionAt(m_host.lines, line, referenceDay);
    const int first = static_cast<int>(deletion.first);
    const int end = static_cast<int>(deletion.end);
    switch (deletion.kind) {
    case LineDeletion::Kind::Refused:
        m_host.inform(deletion.message);
        return;
    case LineDeletion::Kind::Failed:
        m_host.ask(MessageKind::Error, deletion.message, MessageButtons::Ok);
        return;
    case LineDeletion::Kind::Delete:
        removeLinesAsOneEdit(text, lineRange(first, end));
        return;
    case LineDeletion::Kind::Ask:
        askAndDelete(first, end, deletion.message);
        return;
    case LineDeletion::Kind::AskShortening:
        askAboutShortening(first, deletion.message, deletion.shortened);
        return;
    }
}

void DeletionTool::askAndDelete(int first, int end, const std::string& question)
{
    EditorTextControl& text = m_host.text;
    selectLines(text, first, end);
    if (m_host.ask(MessageKind::Confirmation, question, MessageButtons::YesNo) == MessageAnswer::Yes) {
        removeLinesAsOneEdit(text, lineRange(first, end));
        return;
    }
    QTextCursor cursor(text.document()->findBlockByNumber(m_caretLine));
    cursor.setPosition(cursor.position() + std::min(m_caretColumn, cursor.block().length() - 1));
    text.setTextCursor(cursor);
}

void DeletionTool::askAboutShortening(int line, const std::string& question, const std::string& shortened)
{
    EditorTextControl& text = m_host.text;
    selectLines(text, line, line + 1);
    switch (m_host.ask(MessageKind::Confirmation, question, MessageButtons::YesNoAll)) {
    case MessageAnswer::All:
        removeLinesAsOneEdit(text, {line});
        return;
    case MessageAnswer::Yes:
        text.replaceLineAsOneEdit(line, shortened, 0);
        return;
    default:
        deselectToLine(text, line);
        return;
    }
}

} // namespace notavi::gui
