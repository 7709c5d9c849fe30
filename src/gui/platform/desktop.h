#pragma once

// The seams to the desktop that every window receives: tests pass scripted ones.

#include "core/engine/clock.h"
#include "gui/platform/beeper.h"
#include "gui/platform/clipboard.h"
#include "gui/platform/common_dialogs.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/modal_run.h"
#include "gui/platform/shell.h"
#include "gui/platform/timers.h"
#include "gui/platform/tray.h"

namespace notavi::gui {

struct Desktop
{
    MessageBoxes& boxes;
    Shell& shell;
    Beeper& beeper;
    const Clock& clock;
    CommonDialogs& dialogs;
    Timers& timers;
    Tray& tray;
    Clipboard& clipboard;
    // How the program's own dialogs are shown modally.
    const ModalRun& modalRun;
};

} // namespace notavi::gui
