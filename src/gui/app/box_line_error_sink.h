#pragma once

// The main window's line error report: a warning box with OK and "Abbrechen". "Abbrechen" silences
// every later box until the state is reset (reload, backup load, while the editor is open).

#include "core/engine/line_error.h"
#include "gui/platform/message_boxes.h"

#include <functional>

class QWidget;

namespace notavi::gui {

enum class LineErrorState
{
    Show,
    Silenced,
};

class BoxLineErrorSink final : public LineErrorSink
{
  public:
    // The boxes must outlive the sink; parent is the window the boxes belong to.
    BoxLineErrorSink(MessageBoxes& boxes, QWidget* parent) : m_boxes(boxes), m_parent(parent) {}

    void report(const LineError& error) override;

    LineErrorState state() const { return m_state; }

    void setState(LineErrorState state) { m_state = state; }

    // Called before each box is shown (the main window stops its countdown there).
    void setBeforeReport(std::function<void()> beforeReport) { m_beforeReport = std::move(beforeReport); }

  private:
    MessageBoxes& m_boxes;
    QWidget* m_parent;
    LineErrorState m_state = LineErrorState::Show;
    std::function<void()> m_beforeReport;
};

} // namespace notavi::gui
