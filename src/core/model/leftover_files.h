#pragma once

// The temporary files that an interrupted write leaves in the base folder (a crash, a power cut, a
// kill between writing and renaming). Each may be as large as the file it was to replace.

#include "core/model/file_system.h"

#include <chrono>
#include <filesystem>

namespace notavi {

// A write in progress takes well under this; a younger temporary file may belong to another
// running instance of the program and is left alone.
inline constexpr std::chrono::minutes kLeftoverAge{1};

// Removes the temporary files of notavi.dat, notavi.bak and notavi.ini in the folder that were last
// written more than kLeftoverAge before `now`; returns how many. Other files, links and folders with
// such names are never touched.
int removeLeftoverTempFiles(const Path& folder, std::filesystem::file_time_type now);

} // namespace notavi
