#include "core/model/leftover_files.h"

#include "core/model/atomic_write.h"
#include "core/model/data_files.h"

#include <array>
#include <string>

namespace notavi {
namespace {

bool isOwnTempName(const std::string& name)
{
    static constexpr std::array<std::string_view, 3> kWritten = {kDataFileName, kBackupFileName,
                                                                 kSettingsFileName};
    for (const std::string_view target : kWritten)
        if (isTempNameOf(name, target))
            return true;
    return false;
}

bool isLeftover(const std::filesystem::directory_entry& entry, std::filesystem::file_time_type now)
{
    std::error_code error;
    // symlink_status: a link with such a name is not ours, whatever it points to.
    if (!std::filesystem::is_regular_file(entry.symlink_status(error)) || error)
        return false;
    if (!isOwnTempName(entry.path().filename().string()))
        return false;
    const auto written = std::filesystem::last_write_time(entry.path(), error);
    return !error && now - written > kLeftoverAge;
}

} // namespace

int removeLeftoverTempFiles(const Path& folder, std::filesystem::file_time_type now)
{
    int removed = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code removeError;
        if (isLeftover(*it, now) && std::filesystem::remove(it->path(), removeError))
            ++removed;
    }
    return removed;
}

} // namespace notavi
