#pragma once

// Replacing a file so that it is always whole: the new bytes go to a temporary file in the same
// folder first, and only a complete temporary file is renamed over the target. A symbolic link is
// written through: the file it points to is replaced, in its own folder, and the link stays.

#include "core/model/file_system.h"

#include <optional>
#include <string_view>

namespace notavi {

// A temporary file holding the new bytes, and the file it is to replace.
struct PendingWrite
{
    Path temp;
    Path target; // the path written, with its symbolic links followed
};

// The temporary file beside the target (".notavi.dat.tmp3f9a0c" for "notavi.dat") holding the bytes,
// synced to the disk, with the target's permission bits. nullopt when the target must not be
// replaced (FileSystem::replaceableTarget) or the write fails; then no temporary file is left
// behind and the target is untouched.
std::optional<PendingWrite> writeTempBeside(FileSystem& fs, const Path& target, std::string_view bytes);
// The same with the permission bits of another file (a copy keeps those of its original).
std::optional<PendingWrite> writeTempBeside(FileSystem& fs, const Path& target, std::string_view bytes,
                                            const Path& permissionsOf);

// Renames the temporary file over its target; on failure removes the temporary file.
bool commitTemp(FileSystem& fs, const PendingWrite& write);

// Both steps: afterwards the target holds either its old content or the new bytes, whole.
bool atomicWrite(FileSystem& fs, const Path& target, std::string_view bytes);

// A copy of a file that replaces the target in one step, with the permission bits of the file
// permissionsOf, and carries the current time; false, with the target untouched, when the source
// cannot be read or the copy not be written.
bool copyAtomically(FileSystem& fs, const Path& source, const Path& target, const Path& permissionsOf);

// Whether a file name is one of the temporary names above (for tests and cleanup).
bool isTempName(std::string_view fileName);
// Whether it is a temporary name made for the target name (".notavi.dat.tmp3f9a0c" for "notavi.dat").
bool isTempNameOf(std::string_view fileName, std::string_view targetName);

} // namespace notavi
