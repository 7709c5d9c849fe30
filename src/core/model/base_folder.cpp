#include "core/model/base_folder.h"

#include "core/model/data_files.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace notavi {
namespace {

std::optional<std::string> variable(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
}

void copyShippedFiles(FileSystem& fs, const Path& programFolder, const Path& baseFolder)
{
    static constexpr std::array<std::string_view, 3> kShipped = {kSettingsFileName, kDataFileName,
                                                                 kBackupFileName};
    for (const auto name : kShipped) {
        const Path target = baseFolder / name;
        const Path source = programFolder / name;
        if (!fs.exists(target) && fs.exists(source))
            fs.copyFile(source, target);
    }
}

} // namespace

UserFolderEnvironment userFolderEnvironmentOfProcess()
{
    return {variable("XDG_DATA_HOME"), variable("HOME")};
}

Path programFolderOfProcess()
{
    std::error_code error;
    const Path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path())
        return std::filesystem::current_path(error);
    return executable.parent_path();
}

std::optional<Path> userFolder(const UserFolderEnvironment& environment)
{
    if (environment.xdgDataHome && !environment.xdgDataHome->empty()) {
        const Path xdg(*environment.xdgDataHome);
        if (xdg.is_absolute())
            return xdg / kUserFolderName;
    }
    if (environment.home && !environment.home->empty())
        return Path(*environment.home) / ".local" / "share" / kUserFolderName;
    return std::nullopt;
}

BaseFolder determineBaseFolder(FileSystem& fs, const Path& programFolder,
                               const UserFolderEnvironment& environment)
{
    const BaseFolder portable{programFolder, true};
    if (fs.exists(programFolder / kPortableMarkerName))
        return portable;
    const auto folder = userFolder(environment);
    if (!folder || !fs.createDirectories(*folder))
        return portable;
    copyShippedFiles(fs, programFolder, *folder);
    return {*folder, false};
}

} // namespace notavi
