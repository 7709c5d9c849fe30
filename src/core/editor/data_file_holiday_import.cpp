#include "core/editor/data_file_holiday_import.h"

#include "core/model/block_catalogue.h"
#include "core/model/data_files.h"
#include "core/model/default_file.h"
#include "core/model/school_holiday_block.h"
#include "core/model/storage.h"

namespace notavi {
namespace {

std::optional<Lines> listToImportInto(const FileSystem& fs, const Path& baseFolder, Lines list)
{
    if (!list.empty())
        return list;
    const Path data = baseFolder / kDataFileName;
    const auto size = fs.size(data);
    if (size == -1 || size == 0)
        return Lines{}; // importHolidaysIntoList takes it for the default file
    return readLines(fs, data);
}

} // namespace

DataFileImport importHolidaysIntoDataFile(FileSystem& fs, const Path& baseFolder, Lines mainList,
                                          const Lines& candidates,
                                          const DuplicateQuestion& goOnAfterDuplicate)
{
    DataFileImport result;
    std::optional<Lines> loaded = listToImportInto(fs, baseFolder, std::move(mainList));
    if (!loaded) {
        result.status = DataFileImportStatus::FileUnreadable;
        return result;
    }
    Lines& list = *loaded;
    // An empty list stands for the default file, which has its block (see importHolidaysIntoList).
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
