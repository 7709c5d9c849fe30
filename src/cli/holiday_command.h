#pragma once

// notavi-cli --ferien: the states of a school-holiday file, or the appointment file after
// importing one state's holidays as the main window does.

#include "cli/cli_options.h"
#include "core/model/appointment_file.h"

#include <ostream>

namespace notavi::cli {

// The states of the holiday file, one a line (UTF-8). Exit code 2 when the file cannot be read.
int listHolidayStates(const CliOptions& options, std::ostream& out, std::ostream& err);

// The list after the import, written as a file (Windows-1252, CR LF); duplicates and the count go
// to err. Exit code 2 when the holiday file cannot be read or does not name the state.
int printWithHolidays(const CliOptions& options, Lines list, std::ostream& out, std::ostream& err);

} // namespace notavi::cli
