#pragma once

#include "cli/cli_options.h"

#include <ostream>

namespace notavi::cli {

// Loads the file, evaluates and writes the view or the check list; returns the exit code:
// 0 success, 1 the check found errors, 2 unusable options or an unreadable file.
int runSession(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace notavi::cli
