#pragma once

// Where notavi-cli finds the appointment file.

#include "cli/cli_options.h"

#include <filesystem>

namespace notavi::cli {

// The base folder as the program would use it, but only looked up: notavi-cli never creates
// folders or copies files into them.
std::filesystem::path baseFolderOf(const CliOptions& options);

// --datei, or notavi.dat in the base folder.
std::filesystem::path appointmentFileOf(const CliOptions& options);

} // namespace notavi::cli
