#pragma once

// "Sortieren": the lines of every block in the order of their dates, blank lines gone, as one edit
// of the text; the caret stays on its line number and the view on its first line.

#include "gui/editor/editor_tool_host.h"

namespace notavi::gui {

class SortTool
{
  public:
    explicit SortTool(const EditorToolHost& host) : m_host(host) {}

    void run();

  private:
    const EditorToolHost& m_host;
};

} // namespace notavi::gui
