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

MainLoadResult readFailure(std::string_view message = kMainLoadFailedMessage)
{
    MainLoadResult result;
    result.status = MainLoadStatus::ReadFailed;
    result.error = message;
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
    // A write-protected file or a dangling link stops the save here, before the backup.
    const auto pending = writeTempBeside(fs, data, joinLines(lines));
    if (!pending)
        return {};
    SaveResult result;
    if (fs.exists(data))
        // A copy, so that the file stays in place until the new text replaces it; it keeps the
        // file's permissions: the copy of a private file is private as well.
        result.backupFailed = !copyAtomically(fs, data, backup, data);
    result.written = commitTemp(fs, *pending);
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
    switch (fs.kind(data)) {
    case FileKind::DanglingLink:
        // Never a default file in its place: the real file is elsewhere, perhaps not mounted yet.
        return readFailure(kMainLoadDanglingLinkMessage);
    case FileKind::Special:
        return readFailure(kMainLoadNotAFileMessage);
    case FileKind::Directory:
    case FileKind::Unknown:
        return readFailure();
    case FileKind::Missing:
    case FileKind::Regular:
        break;
    }
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
    const FileKind kind = fs.kind(data);
    if (kind == FileKind::Missing)
        return {EditorLoadStatus::NotFound, {}};
    // A dangling link is no missing file: creating one would not reach the file it points to.
    if (kind != FileKind::Regular)
        return {EditorLoadStatus::ReadFailed, {}};
    std::optional<Lines> lines = readLines(fs, data);
    if (!lines)
        return {EditorLoadStatus::ReadFailed, {}};
    return {EditorLoadStatus::Loaded, std::move(*lines)};
}

} // namespace notavi
