#include "gui/editor/editor_tool_host.h"

#include "gui/platform/text_conversion.h"

namespace notavi::gui {

MessageAnswer EditorToolHost::ask(MessageKind kind, std::string_view message, MessageButtons buttons) const
{
    desktop.beeper.play(SystemSound::Warning);
    return desktop.boxes.show(&window, kind, boxText(message), buttons);
}

} // namespace notavi::gui
