#pragma once

// notavi-cli --ferien: the states of a school-holiday file, or the appointment file after
// importing one state's holidays as the main window does, printed or saved like every command that
// changes the file.

#include "cli/cli_options.h"

#include <ostream>

namespace notavi::cli {

// The states of the holiday file, one a line (UTF-8). Exit code 2 when the file cannot be read.
int listHolidayStates(const CliOptions& options, std::ostream& out, std::ostream& err);

// Duplicates and the count go to err. Exit code 2 when a file cannot be read or the holiday file
// does not name the state; otherwise that of finishEditedFile.
int importHolidays(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace notavi::cli
