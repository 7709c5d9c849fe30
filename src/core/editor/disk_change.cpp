#include "core/editor/disk_change.h"

#include "core/model/storage.h"

namespace notavi {

bool changedOnDisk(const FileSystem& fs, const Path& dataFile, const std::optional<Lines>& loaded)
{
    if (!fs.exists(dataFile))
        return loaded.has_value();
    if (!loaded)
        return true;
    const std::optional<Lines> now = readLines(fs, dataFile);
    return !now || *now != *loaded;
}

} // namespace notavi
