#pragma once

// The main window's command "Termineditor": the editor on the screen, modal; after it saved, the
// file is loaded and evaluated again and the view keeps the user's place.

#include "core/app/program_state.h"
#include "gui/platform/desktop.h"

namespace notavi::gui {

class TC_FORM_Haupt;

class MainEditorCommand
{
  public:
    MainEditorCommand(TC_FORM_Haupt& window, const Desktop& desktop, ProgramState& state);

    void C_MItem_bearbeitenClick();

  private:
    TC_FORM_Haupt& m_window;
    Desktop m_desktop;
    ProgramState& m_state;
};

} // namespace notavi::gui
