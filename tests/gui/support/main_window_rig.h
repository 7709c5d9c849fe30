#pragma once

// Starts the main window on a temporary program folder in portable mode, so that notavi.dat and
// notavi.ini live in that folder, with a fixed clock and scripted desktop.

#include "core/calendar/day_number.h"
#include "core/model/appointment_file.h"
#include "core/model/block_catalogue.h"
#include "core/model/file_system.h"
#include "gui/app/tc_form_alarm.h"
#include "gui/app/tc_form_haupt.h"
#include "support/fake_desktop.h"
#include "support/portable_folder.h"

#include <memory>
#include <utility>
#include <vector>

#include <QStringList>

namespace notavi::gui::test {

// "TT.MM.JJJJ" as a day number.
DayNumber day(const char* ddmmyyyy);

// The default file with appointment lines (UTF-8) inserted after the header of their blocks.
QStringList fileWith(const std::vector<std::pair<BlockKind, QStringList>>& blocks);

// The alarm windows on the screen, in no particular order (the main window takes them with it).
QList<TC_FORM_Alarm*> alarmWindows();

class MainWindowRig : public PortableFolder
{
  public:
    explicit MainWindowRig(const char* today);

    TC_FORM_Haupt& start();

    TC_FORM_Haupt& window() { return *m_window; }

    ProgramState& state() { return *m_state; }

    FakeDesktop fake;
    RealFileSystem files;

  private:
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<TC_FORM_Haupt> m_window;
};

// The view's lines as shown (one per text block).
QStringList viewLines(const TC_FORM_Haupt& window);
// The text colour of the first character of each line.
QList<QColor> viewLineColours(const TC_FORM_Haupt& window);

} // namespace notavi::gui::test
