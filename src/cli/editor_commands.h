#pragma once

// notavi-cli commands that do what the editor does: its holiday list, and its cleanup on loading.

#include "cli/cli_options.h"

#include <ostream>

namespace notavi::cli {

// --feiertage: one item a line ("01.01. Neujahr"), UTF-8. Returns the exit code.
int writeHolidayList(int year, std::ostream& out);

// --bereinigen: the file as the editor would show it after loading. Returns the exit code.
int runCleanUp(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace notavi::cli
