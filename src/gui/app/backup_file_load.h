#pragma once

// The main window's "Sicherungsdatei laden": notavi.bak over notavi.dat, which undoes the last
// saved change, after the user's confirmation.

#include "core/app/program_state.h"
#include "gui/platform/desktop.h"

class QWidget;

namespace notavi::gui {

// True when notavi.dat was replaced: the caller reloads its list and view.
bool askAndLoadBackupFile(QWidget* parent, const Desktop& desktop, ProgramState& state);

} // namespace notavi::gui
