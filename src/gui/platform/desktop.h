#pragma once

// The seams to the desktop that every window receives: tests pass scripted ones.

#include "core/engine/clock.h"
#include "gui/platform/beeper.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/shell.h"

namespace notavi::gui {

struct Desktop
{
    MessageBoxes& boxes;
    Shell& shell;
    Beeper& beeper;
    const Clock& clock;
};

} // namespace notavi::gui
