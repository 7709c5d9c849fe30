#pragma once

// What the editor's tools work with: the window (owner of their boxes), its text control, the text's
// lines as the file holds them (following every edit), and the desktop.

#include "core/model/appointment_file.h"
#include "gui/platform/desktop.h"

#include <string_view>

class QWidget;

namespace notavi::gui {

class EditorTextControl;

struct EditorToolHost
{
    QWidget& window;
    EditorTextControl& text;
    const Lines& lines;
    const Desktop& desktop;

    // A box of the tool, always after the exclamation beep (questions too); the text in
    // Windows-1252 with "\r" breaks.
    MessageAnswer ask(MessageKind kind, std::string_view message, MessageButtons buttons) const;

    void inform(std::string_view message) const
    {
        ask(MessageKind::Information, message, MessageButtons::Ok);
    }
};

} // namespace notavi::gui
