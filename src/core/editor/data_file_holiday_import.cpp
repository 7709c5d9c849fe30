#include "core/editor/data_file_holiday_import.h"

#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/school_holiday_block.h"
#include "core/model/storage.h"

namespace notavi {

DataFileImport importHolidaysIntoDataFile(FileSystem& fs, const Path& baseFolder, Lines list,
                                          const Lines& candidates,
                                          const DuplicateQuestion& goOnAfterDuplicate)
{
    DataFileImport result;
    // An empty list is the default file just written, which has its block (see importHolidaysIntoList).
    const bool appendBlockFirst = !list.empty() && !schoolHolidayHeaderOfView(list);
    if (appendBlockFirst) {
        appendBlock(list, blockNumber(BlockKind::SchoolHolidays));
        if (!saveWithBackup(fs, baseFolder, list).written) {
            result.status = DataFileImportStatus::BlockNotCreated;
            return result;
        }
    }
    result.import = importHolidaysIntoList(std::move(list), candidates, goOnAfterDuplicate);
    result.import.blockAppended = appendBlockFirst;
    if (result.import.merge.inserted.empty())
        result.status = DataFileImportStatus::NothingImported;
    else if (writeBack(fs, baseFolder, result.import.lines))
        result.status = DataFileImportStatus::Saved;
    else
        result.status = DataFileImportStatus::SaveFailed;
    return result;
}

} // namespace notavi
