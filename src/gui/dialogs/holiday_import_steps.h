#pragma once

// The steps the editor's and the main window's school-holiday imports share: choosing the holiday
// file, the options dialog, the question at each duplicate, the offer to delete the file at the
// end, and the mail that asks for a new holiday file.

#include "core/app/program_state.h"
#include "core/editor/holiday_file.h"
#include "core/editor/holiday_merge.h"
#include "gui/platform/desktop.h"

#include <optional>
#include <string>

#include <QString>

class QWidget;

namespace notavi::gui {

class TC_Form_Eingabe;

struct HolidayImportRequest
{
    QString fileName; // the holiday file, full path
    Lines candidates; // the chosen state's lines, as they are to be imported
};

// The file dialog, reading the file and the options dialog; nothing when the user cancels or the
// file cannot be read. The options are written to the settings on OK.
std::optional<HolidayImportRequest> askHolidayImport(QWidget* parent, const Desktop& desktop,
                                                     ProgramState& state, TC_Form_Eingabe& options);

// Beeps and asks whether to read on after a holiday line that is there already.
DuplicateQuestion askAtDuplicate(QWidget* parent, const Desktop& desktop);

// The closing question (Windows-1252) and, on Yes, deleting the holiday file with its report.
void offerHolidayFileDeletion(QWidget* parent, const Desktop& desktop, FileSystem& files,
                              const QString& fileName, const std::string& question);

// The holiday file's name without its folder (Windows-1252), as the messages name it.
std::string holidayFileShownName(const QString& fileName);

// A new mail to the program's address that asks for the holiday file.
void requestHolidayFileByMail(QWidget* parent, const Desktop& desktop);

} // namespace notavi::gui
