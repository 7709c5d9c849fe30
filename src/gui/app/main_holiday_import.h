#pragma once

// The main window's school-holiday import: the chosen state's holidays go into the list, which is
// written to notavi.dat at once.

#include "core/app/program_state.h"
#include "gui/platform/desktop.h"

class QWidget;

namespace notavi::gui {

class TC_Form_Eingabe;

// True when notavi.dat changed: the caller reloads its list and view.
bool importHolidaysWithQuestions(QWidget* window, const Desktop& desktop, ProgramState& state,
                                 TC_Form_Eingabe& options);

} // namespace notavi::gui
