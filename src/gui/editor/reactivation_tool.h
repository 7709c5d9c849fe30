#pragma once

// "Deaktivierte Termine aktivieren": a question about every deactivated appointment of a block
// (Yes, No, No to all, Yes to all), a warning about every one outside the blocks. Reactivating a
// line removes its leading "~" as one edit.

#include "gui/editor/editor_tool_host.h"

namespace notavi::gui {

class ReactivationTool
{
  public:
    explicit ReactivationTool(const EditorToolHost& host) : m_host(host) {}

    void run();

  private:
    const EditorToolHost& m_host;
};

} // namespace notavi::gui
