#pragma once

// notavi-cli commands that run the editor's tools on the appointment file: sorting, and the
// automatic deletion of expired appointments as at start-up.

#include "cli/cli_options.h"

#include <ostream>

namespace notavi::cli {

// --sortieren: the file as "Sortieren" leaves it. Returns the exit code.
int runSort(const CliOptions& options, std::ostream& out, std::ostream& err);

// --verstrichene [--frist N]: the file after the automatic deletion at the evaluation date, with
// the age limit N or else the setting of notavi.ini beside the file. Every deleted line is named
// on err. Nothing is saved when nothing expired. Returns the exit code.
int runExpiredDeletion(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace notavi::cli
