#pragma once

// The file work of the three backup commands: writing a backup copy of the text, restoring a chosen
// backup over notavi.dat, and loading notavi.bak over notavi.dat. Every copy goes through a temporary
// file beside the target, so that a failure leaves the target as it was.

#include "core/model/appointment_file.h"
#include "core/model/file_system.h"

namespace notavi {

// Whether the chosen file is notavi.dat of the base folder: full paths, compared without regard to
// the case of letters.
bool isDataFile(const Path& chosen, const Path& baseFolder);

// The text, with CR LF line ends, into the chosen file.
bool writeBackupCopy(FileSystem& fs, const Path& target, const Lines& text);

enum class RestoreStatus
{
    Restored,
    RefusedDataFileItself, // the chosen file is notavi.dat: nothing changed
    CopyFailed,            // notavi.dat is as it was
};

RestoreStatus restoreBackup(FileSystem& fs, const Path& baseFolder, const Path& chosen);

// notavi.bak over notavi.dat; notavi.bak itself stays as it is, so loading it twice equals once.
bool loadBackupFile(FileSystem& fs, const Path& baseFolder);

} // namespace notavi
