#pragma once

// The desktop's own facilities behind the seams, as the program uses them; the clock is the
// caller's, so that a tool can show the windows at a fixed moment.

#include "gui/platform/beeper.h"
#include "gui/platform/clipboard.h"
#include "gui/platform/common_dialogs.h"
#include "gui/platform/desktop.h"
#include "gui/platform/modal_run.h"
#include "gui/platform/qt_message_boxes.h"
#include "gui/platform/shell.h"
#include "gui/platform/timers.h"
#include "gui/platform/tray.h"

namespace notavi::gui {

struct SystemDesktop
{
    // The seams for the windows; this object and the clock must outlive them.
    Desktop with(const Clock& clock)
    {
        return {boxes, shell, beeper, clock, dialogs, timers, tray, clipboard, modalRun};
    }

    SystemBeeper beeper;
    QtMessageBoxes boxes{beeper};
    DesktopShell shell;
    QtCommonDialogs dialogs;
    QtTimers timers;
    SystemTray tray;
    SystemClipboard clipboard;
    const ModalRun modalRun = execModally;
};

} // namespace notavi::gui
