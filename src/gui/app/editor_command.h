#pragma once

// The main window's command "Termineditor": the editor on the screen, modal; after it saved, the
// file is loaded and evaluated again and the view keeps the user's place.

#include "core/app/program_state.h"
#include "gui/platform/desktop.h"

#include <functional>

namespace notavi::gui {

class EntryView;
class TC_FORM_Editor;
class TC_FORM_Haupt;

class MainEditorCommand
{
  public:
    MainEditorCommand(TC_FORM_Haupt& window, EntryView& view, const Desktop& desktop, ProgramState& state);

    void C_MItem_bearbeitenClick();
    // The frame of the commands that change the file: `command` runs on the editor created
    // invisibly, which saves a changed text on closing; after a save the view is evaluated again
    // and keeps the user's place: the caret on the first entry of the day it stood on (afterSave
    // may move the caret first). True when the file was saved.
    bool runHidden(const std::function<void(TC_FORM_Editor&)>& command,
                   const std::function<void()>& afterSave = {});
    // After the editor saved, or when the view no longer matches the file: the file loaded and
    // evaluated again, the view at the user's place.
    void reloadKeepingPlace();

  private:
    TC_FORM_Haupt& m_window;
    EntryView& m_view;
    Desktop m_desktop;
    ProgramState& m_state;
};

} // namespace notavi::gui
