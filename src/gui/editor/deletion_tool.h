#pragma once

// "Zeile(n) löschen" at the caret's line: an empty line at once; a comment, a stray line, an
// appointment or a whole block after a question; an appointment whose period is running is
// shortened, deleted or kept by the answer. Every change is one edit of the text.

#include "core/calendar/day_number.h"
#include "gui/editor/editor_tool_host.h"

namespace notavi::gui {

class DeletionTool
{
  public:
    explicit DeletionTool(const EditorToolHost& host) : m_host(host) {}

    // referenceDay: the day "bis zum" of the question about a running period refers to.
    void run(DayNumber referenceDay);

  private:
    // Yes/No about lines first ... end - 1, which stay selected while it is asked.
    void askAndDelete(int first, int end, const std::string& question);
    void askAboutShortening(int line, const std::string& question, const std::string& shortened);

    const EditorToolHost& m_host;
    int m_caretLine = 0;
    int m_caretColumn = 0;
};

} // namespace notavi::gui
