#include "core/model/storage.h"

#include "core/model/atomic_write.h"
#include "core/model/data_files.h"
#include "core/model/default_file.h"
#include "core/model/info_area.h"
#include "core/model/storage_messages.h"

namespace notavi {
namespace {

Path dataFile(const Path& baseFolder)
{
    return baseFolder / kDataFileName;
}

// The backup is a copy made through a temporary file, so that notavi.bak too is always whole and
// notavi.dat stays in place until the new text replaces it.
bool makeBackup(FileSystem& fs, const Path& data, const Path& backup)
{
    const auto bytes = fs.readAll(data);
    if (!bytes || !atomicWrite(fs, backup, *bytes))
        return false;
    // The copy is new and so already carries the current time; a failure here loses nothing.
    fs.setModifiedNow(backup);
    return true;
}

MainLoadResult readFailure()
{
    MainLoadResult result;
    result.status = MainLoadStatus::ReadFailed;
    result.error = kMainLoadFailedMessage;
    return result;
}

} // namespace

std::vector<std::string_view> saveMessages(const SaveResult& result)
{
    std::vector<std::string_view> messages;
    if (result.backupFailed)
        messages.push_back(kBackupFailedMessage);
    if (!result.written)
        messages.push_back(kSaveFailedMessage);
    return messages;
}

SaveResult saveWithBackup(FileSystem& fs, const Path& baseFolder, const Lines& lines)
{
    return saveFileWithBackup(fs, dataFile(baseFolder), baseFolder / kBackupFileName, lines);
}

SaveResult saveFileWithBackup(FileSystem& fs, const Path& data, const Path& backup, const Lines& lines)
{
    const auto temp = writeTempBeside(fs, data, joinLines(lines));
    if (!temp)
        return {};
    SaveResult result;
    if (fs.exists(data))
        result.backupFailed = !makeBackup(fs, data, backup);
    result.written = commitTemp(fs, *temp, data);
    return result;
}

bool writeBack(FileSystem& fs, const Path& baseFolder, const Lines& lines)
{
    return atomicWrite(fs, dataFile(baseFolder), joinLines(lines));
}

std::optional<Lines> readLines(const FileSystem& fs, const Path& path)
{
    LineCounter counter;
    if (!fs.readInPieces(path, [&counter](std::string_view piece) { counter.feed(piece); }))
        return std::nullopt;
    LineSplitter splitter(counter.count(), counter.longest());
    if (!fs.readInPieces(path, [&splitter](std::string_view piece) { splitter.feed(piece); }))
        return std::nullopt;
    return splitter.finish();
}

MainLoadResult loadMainList(FileSystem& fs, const Path& baseFolder)
{
    const Path data = dataFile(baseFolder);
    if (fs.isDirectory(data))
        return readFailure();
    MainLoadResult result;
    const auto size = fs.size(data);
    // Only a file that is surely missing or empty is replaced; one whose size cannot be told is not.
    if (size == -1 || size == 0) {
        Lines lines;
        appendDefaultBlocks(lines, kNewFileMode);
        result.status = MainLoadStatus::CreatedDefault;
        result.defaultSave = saveWithBackup(fs, baseFolder, lines);
        return result;
    }
    std::optional<Lines> lines = readLines(fs, data);
    if (!lines)
        return readFailure();
    result.status = MainLoadStatus::Loaded;
    result.file.lines = std::move(*lines);
    result.corrected = repairInfoArea(result.file.lines);
    return result;
}

EditorLoadResult loadEditorText(const FileSystem& fs, const Path& baseFolder)
{
    return loadEditorFile(fs, dataFile(baseFolder));
}

EditorLoadResult loadEditorFile(const FileSystem& fs, const Path& data)
{
    if (!fs.exists(data))
        return {EditorLoadStatus::NotFound, {}};
    std::optional<Lines> lines = readLines(fs, data);
    if (!lines)
        return {EditorLoadStatus::ReadFailed, {}};
    return {EditorLoadStatus::Loaded, std::move(*lines)};
}

} // namespace notavi
