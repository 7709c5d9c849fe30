#pragma once

// The main window's line error report: a warning box with OK and "Abbrechen". "Abbrechen" silences
// every later box until the state is reset (reload, backup load, while the editor is open).

#include "core/engine/line_error.h"
#include "gui/platform/message_boxes.h"

#include <functional>

class QWidget;

namespace notavi::gui {

class BoxLineErrorSink final : public LineErrorSink
{
  public:
    // The boxes and the message state (the program's, shared by its windows) must outlive the sink;
    // parent is the window the boxes belong to.
    BoxLineErrorSink(MessageBoxes& boxes, LineErrorState& state, QWidget* parent)
        : m_boxes(boxes), m_state(state), m_parent(parent)
    {
    }

    void report(const LineError& error) override;

    LineErrorState state() const { return m_state; }

    void setState(LineErrorState state) { m_state = state; }

    // Called before each box is shown (the main window stops its countdown there).
    void setBeforeReport(std::function<void()> beforeReport) { m_beforeReport = std::move(beforeReport); }

  private:
    MessageBoxes& m_boxes;
    LineErrorState& m_state;
    QWidget* m_parent;
    std::function<void()> m_beforeReport;
};

} // namespace notavi::gui
