#pragma once

// Whether another program (the system's text editor, a second instance) changed the appointment
// file since the editor read it, so that saving would silently throw its changes away.

#include "core/model/appointment_file.h"
#include "core/model/file_system.h"

#include <optional>

namespace notavi {

// `loaded`: the lines the editor read, or nullopt when there was no file then. A file that cannot
// be read now counts as changed: nothing says its content is still the one loaded. Only the lines
// count, not their line ends.
bool changedOnDisk(const FileSystem& fs, const Path& dataFile, const std::optional<Lines>& loaded);

} // namespace notavi
