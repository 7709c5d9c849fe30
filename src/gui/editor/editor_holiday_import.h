#pragma once

// The editor's school-holiday import: the chosen state's holidays go into block FER of the text as
// one edit that the user can undo, and are saved only with the editor's save.

#include "core/app/program_state.h"
#include "gui/platform/desktop.h"

namespace notavi::gui {

class TC_FORM_Editor;
class TC_Form_Eingabe;

class EditorHolidayImport
{
  public:
    EditorHolidayImport(TC_FORM_Editor& editor, const Desktop& desktop, ProgramState& state,
                        TC_Form_Eingabe& options);

    void C_MItem_FerienImportierenClick();

  private:
    TC_FORM_Editor& m_editor;
    Desktop m_desktop;
    ProgramState& m_state;
    TC_Form_Eingabe& m_options;
};

} // namespace notavi::gui
