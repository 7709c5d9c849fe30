#include "cli/file_location.h"

#include "core/model/base_folder.h"
#include "core/model/data_files.h"
#include "core/model/file_system.h"

namespace notavi::cli {

std::filesystem::path baseFolderOf(const CliOptions& options)
{
    if (options.baseFolder)
        return *options.baseFolder;
    const Path programFolder = programFolderOfProcess();
    RealFileSystem files;
    if (files.exists(programFolder / kPortableMarkerName))
        return programFolder;
    return userFolder(userFolderEnvironmentOfProcess()).value_or(programFolder);
}

std::filesystem::path appointmentFileOf(const CliOptions& options)
{
    return options.file ? std::filesystem::path(*options.file) : baseFolderOf(options) / kDataFileName;
}

} // namespace notavi::cli
