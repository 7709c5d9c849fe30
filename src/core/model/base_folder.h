#pragma once

// The base folder of notavi.dat, notavi.bak and notavi.ini: the program's own folder in portable
// mode, else the per-user data folder, into which files shipped beside the program are copied once.

#include "core/model/file_system.h"

#include <optional>
#include <string>

namespace notavi {

// The environment variables that name the per-user data folder; unset or empty means absent.
struct UserFolderEnvironment
{
    std::optional<std::string> xdgDataHome;
    std::optional<std::string> home;
};

struct BaseFolder
{
    Path path;
    bool portable = false;
};

// XDG_DATA_HOME and HOME of this process.
UserFolderEnvironment userFolderEnvironmentOfProcess();

// The folder of the running executable (/proc/self/exe); the current folder when it cannot be told.
Path programFolderOfProcess();

// The per-user folder ($XDG_DATA_HOME/Notavi, else $HOME/.local/share/Notavi); nullopt without one.
// A relative XDG_DATA_HOME is ignored, as the XDG rules say.
std::optional<Path> userFolder(const UserFolderEnvironment& environment);

// Portable when notavi.por lies in the program folder, when there is no per-user folder, or when it
// cannot be created. Otherwise notavi.ini, notavi.dat and notavi.bak, in this order, are copied
// from the program folder when they are missing in the per-user folder; an existing file is never
// overwritten and a failed copy is ignored.
BaseFolder determineBaseFolder(FileSystem& fs, const Path& programFolder,
                               const UserFolderEnvironment& environment);

} // namespace notavi
