#include "gui/platform/beeper.h"

#include <QApplication>

namespace notavi::gui {

void SystemBeeper::play(SystemSound)
{
    // The desktop offers one bell; both sounds use it.
    QApplication::beep();
}

} // namespace notavi::gui
