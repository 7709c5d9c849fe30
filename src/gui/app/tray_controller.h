#pragma once

// The program in the tray: minimising puts it there when the user wants it, the desktop has a tray
// and the editor is closed (the modal editor could not be reached from the tray); a click on the icon
// or "Wiederherstellen" brings the window back, "Beenden" ends the program.

#include "core/app/program_state.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/tray.h"

#include <functional>

class QWidget;

namespace notavi::gui {

class TrayController
{
  public:
    // All must outlive the controller; quit ends the program like the menu's "Beenden".
    TrayController(Tray& tray, MessageBoxes& boxes, const ProgramState& state, QWidget& window,
                   std::function<void()> quit);

    // The window has just been minimised.
    void windowMinimised();
    // An alarm has arrived while the window may be minimised: the icon is put (back) in place.
    void alarmArrived();
    void restore();
    // The program ends: the icon goes.
    void removeIcon();

    bool inTray() const { return m_tray.isShown(); }

  private:
    bool wantsTray() const;
    void addIcon();

    Tray& m_tray;
    MessageBoxes& m_boxes;
    const ProgramState& m_state;
    QWidget& m_window;
    std::function<void()> m_quit;
    bool m_toldNoTray = false;
};

} // namespace notavi::gui
