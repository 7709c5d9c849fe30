#include "gui/editor/expired_tool.h"

#include "core/editor/expired_walk.h"
#include "core/editor/expiry.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_range_edits.h"
#include "gui/editor/walk_answers.h"

namespace notavi::gui {

void ExpiredTool::runInteractive(DayNumber today)
{
    EditorTextControl& text = m_host.text;
    const Lines before = m_host.lines; // the walk reads the text as it was at the start
    ExpiredWalk walk(before, interactiveLimitDay(today), false);
    std::vector<int> unasked; // after Yes to all: removed together at the end
    while (const std::optional<ExpiredLine> expired = walk.next()) {
        if (!expired->ask) {
            // The walk counts these as deleted already; the document still holds the earlier ones.
            unasked.push_back(static_cast<int>(expired->line + unasked.size()));
            walk.answer(WalkAnswer::YesToAll);
            continue;
        }
        const int line = static_cast<int>(expired->line);
        selectLines(text, line, line + 1);
        const MessageAnswer answer =
            m_host.ask(MessageKind::Confirmation, expired->question, MessageButtons::YesNoNoToAllYesToAll);
        if (walk.answer(walkAnswerOf(answer)))
            removeLinesAsOneEdit(text, {line});
        else
            deselectToLine(text, line);
    }
    removeLinesAsOneEdit(text, unasked);
    if (walk.nothingFoundToReport())
        m_host.inform(kNoExpiredMessage);
}

std::size_t ExpiredTool::runAutomatic(DayNumber today, int ageLimit)
{
    const AutomaticDeletion deletion = deleteExpiredLines(m_host.lines, today, ageLimit);
    std::vector<int> lines(deletion.deleted.begin(), deletion.deleted.end());
    removeLinesAsOneEdit(m_host.text, lines);
    return lines.size();
}

} // namespace notavi::gui
