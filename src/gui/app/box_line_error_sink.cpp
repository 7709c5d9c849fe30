#include "gui/app/box_line_error_sink.h"

#include "gui/platform/text_conversion.h"

namespace notavi::gui {

void BoxLineErrorSink::report(const LineError& error)
{
    if (m_beforeReport)
        m_beforeReport();
    if (m_state == LineErrorState::Silenced)
        return;
    const MessageAnswer answer = m_boxes.show(m_parent, MessageKind::Warning,
                                              boxText(lineErrorBoxText(error)), MessageButtons::OkCancel);
    if (answer == MessageAnswer::Cancel)
        m_state = LineErrorState::Silenced;
}

} // namespace notavi::gui
