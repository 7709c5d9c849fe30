#pragma once

// "Verstrichene Termine löschen": interactive, a question about every expired appointment (Yes, No,
// No to all, Yes to all); automatic at start-up, every appointment past the age limit without one.
// The lines that go without a question are removed together in one edit.

#include "core/calendar/day_number.h"
#include "gui/editor/editor_tool_host.h"

namespace notavi::gui {

class ExpiredTool
{
  public:
    explicit ExpiredTool(const EditorToolHost& host) : m_host(host) {}

    void runInteractive(DayNumber today);
    // Returns the number of lines deleted.
    std::size_t runAutomatic(DayNumber today, int ageLimit);

  private:
    const EditorToolHost& m_host;
};

} // namespace notavi::gui
