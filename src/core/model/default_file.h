#pragma once

// The default appointment file: the info area and all thirteen blocks, empty, with their header
// lines and, where the syntax needs explaining, comment lines with examples.

#include "core/model/appointment_file.h"

#include <string_view>

namespace notavi {

// The title of the monthly magazine in the examples of the "X-W" block.
inline constexpr std::string_view kExampleMagazineTitle = "Notavi-Rundschau";

// The mode that writes a whole new file.
inline constexpr std::string_view kNewFileMode = "Neu";

// Mode "Neu": appends info lines 1 to 8 and then every block in catalogue order (the three "*"
// lines opening the first block complete the info area). A block code ("GEB" ... "EIN",
// Windows-1252, exact): appends that one block. The lines are appended, never cleared first.
// Returns false, leaving the lines alone, for any other mode.
bool appendDefaultBlocks(Lines& lines, std::string_view mode);

// One block as written by the program: "*" x3, separator, comment lines and "*", header, end line.
void appendBlock(Lines& lines, int blockNumber);

// A complete default file (124 lines).
Lines defaultFile();

} // namespace notavi
