#include "gui/editor/reactivation_tool.h"

#include "core/editor/reactivation_walk.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_range_edits.h"
#include "gui/editor/walk_answers.h"

namespace notavi::gui {

void ReactivationTool::run()
{
    EditorTextControl& text = m_host.text;
    const Lines before = m_host.lines; // reactivation never changes the number of lines
    ReactivationWalk walk(before);
    while (const std::optional<DeactivatedLine> found = walk.next()) {
        const int line = static_cast<int>(found->line);
        selectLines(text, line, line + 1);
        if (found->kind == DeactivatedLine::Kind::Warning) {
            if (m_host.ask(MessageKind::Warning, found->message, MessageButtons::OkCancel) ==
                MessageAnswer::Cancel)
                walk.silenceWarnings();
            deselectToLine(text, line);
            continue;
        }
        const WalkAnswer answer = found->ask
                                      ? walkAnswerOf(m_host.ask(MessageKind::Confirmation, found->message,
                                                                MessageButtons::YesNoNoToAllYesToAll))
                                      : WalkAnswer::YesToAll;
        if (walk.answer(answer))
            text.replaceLineAsOneEdit(line, found->reactivated, 0);
        else
            deselectToLine(text, line);
    }
    if (walk.nothingFoundToReport() && !walk.cancelled())
        m_host.inform(kNoDeactivatedMessage);
}

} // namespace notavi::gui
