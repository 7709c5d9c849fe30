#pragma once

// Replacing a file so that it is always whole: the new bytes go to a temporary file in the same
// folder first, and only a complete temporary file is renamed over the target.

#include "core/model/file_system.h"

#include <optional>
#include <string_view>

namespace notavi {

// The temporary file beside target (".notavi.dat.tmp3f9a0c" for "notavi.dat") holding the bytes,
// synced to the disk. nullopt when the target is a directory or the write fails; then no temporary
// file is left behind and the target is untouched.
std::optional<Path> writeTempBeside(FileSystem& fs, const Path& target, std::string_view bytes);

// Renames a temporary file of writeTempBeside over the target; on failure removes the temporary file.
bool commitTemp(FileSystem& fs, const Path& temp, const Path& target);

// Both steps: afterwards the target holds either its old content or the new bytes, whole.
bool atomicWrite(FileSystem& fs, const Path& target, std::string_view bytes);

// A copy of a file that replaces the target in one step and carries the current time; false, with
// the target untouched, when the source cannot be read or the copy not be written.
bool copyAtomically(FileSystem& fs, const Path& source, const Path& target);

// Whether a file name is one of the temporary names above (for tests and cleanup).
bool isTempName(std::string_view fileName);

} // namespace notavi
