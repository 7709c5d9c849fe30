#pragma once

// The main window's school-holiday import: its list gets the holidays and is written to notavi.dat
// at once. A list without a "FER" block first gets one from the template, saved like an editor's
// save (with notavi.bak), before any holiday is read.

#include "core/editor/holiday_merge.h"
#include "core/model/file_system.h"

namespace notavi {

enum class DataFileImportStatus
{
    FileUnreadable,  // the list was empty and notavi.dat cannot be read: nothing imported or written
    BlockNotCreated, // the file with the new block could not be saved: nothing was imported
    NothingImported, // no new holiday; the file is as before (but for a new, empty block)
    Saved,           // notavi.dat holds the new list
    SaveFailed,      // notavi.dat could not be written and is as before
};

struct DataFileImport
{
    DataFileImportStatus status = DataFileImportStatus::NothingImported;
    HolidayListImport import; // the new list and what the merge did (empty before any merge)
};

// An empty list was never loaded from a file with content: the file decides. Missing or empty, it
// is the default file that loading writes; unreadable, it must not be replaced.

DataFileImport importHolidaysIntoDataFile(FileSystem& fs, const Path& baseFolder, Lines list,
                                          const Lines& candidates,
                                          const DuplicateQuestion& goOnAfterDuplicate);

} // namespace notavi
