#include "cli/edited_file.h"

#include "cli/file_location.h"
#include "core/editor/disk_change.h"
#include "core/editor/editor_load.h"
#include "core/model/storage.h"

namespace notavi::cli {
namespace {

std::string quoted(const std::filesystem::path& path)
{
    return "\"" + path.string() + "\"";
}

int printResult(const EditedFile& file, const Lines& result, std::ostream& out, std::ostream& err)
{
    out << joinLines(result);
    if (result == file.onDisk)
        err << "notavi-cli: Nichts zu \xC3\xA4ndern; die Termindatei steht unver\xC3\xA4ndert auf der "
               "Standardausgabe.\n";
    else
        err << "notavi-cli: Die ge\xC3\xA4nderte Termindatei steht auf der Standardausgabe; "
            << quoted(file.path) << " bleibt unver\xC3\xA4ndert (speichern mit --schreiben).\n";
    return 0;
}

int saveResult(const EditedFile& file, const Lines& result, std::ostream& err)
{
    if (result == file.onDisk) {
        err << "notavi-cli: Nichts zu \xC3\xA4ndern; " << quoted(file.path)
            << " bleibt unver\xC3\xA4ndert.\n";
        return 0;
    }
    RealFileSystem disk;
    if (changedOnDisk(disk, file.path, file.onDisk)) {
        err << "notavi-cli: " << quoted(file.path)
            << " wurde inzwischen von einem anderen Programm ge\xC3\xA4ndert; nichts gespeichert.\n";
        return 2;
    }
    const std::filesystem::path backup = backupFileOf(file.path);
    const SaveResult saved = saveFileWithBackup(disk, file.path, backup, result);
    if (!saved.written) {
        err << "notavi-cli: " << quoted(file.path)
            << " konnte nicht gespeichert werden; die Datei ist unver\xC3\xA4ndert.\n";
        return 2;
    }
    if (saved.backupFailed) {
        err << "notavi-cli: " << quoted(file.path) << " wurde gespeichert, aber die Sicherungsdatei "
            << quoted(backup) << " konnte nicht angelegt werden.\n";
        return 1;
    }
    err << "notavi-cli: " << quoted(file.path) << " wurde gespeichert; die vorige Fassung steht in "
        << quoted(backup) << ".\n";
    return 0;
}

} // namespace

std::filesystem::path backupFileOf(const std::filesystem::path& dataFile)
{
    std::filesystem::path backup = dataFile;
    backup.replace_extension(".bak");
    // A file that already ends in ".bak" must not become its own backup.
    if (backup == dataFile)
        backup += ".bak";
    return backup;
}

std::optional<EditedFile> loadForEditing(const CliOptions& options, std::ostream& err)
{
    const std::filesystem::path path = appointmentFileOf(options);
    RealFileSystem disk;
    EditorText loaded = loadEditorFileCleaned(disk, path);
    switch (loaded.status) {
    case EditorLoadStatus::Loaded:
        return EditedFile{path, std::move(loaded.onDisk), std::move(loaded.text)};
    case EditorLoadStatus::NotFound:
        err << "notavi-cli: Die Termindatei " << quoted(path) << " wurde nicht gefunden.\n";
        break;
    case EditorLoadStatus::ReadFailed:
        err << "notavi-cli: Die Termindatei " << quoted(path) << " konnte nicht gelesen werden.\n";
        break;
    }
    return std::nullopt;
}

int finishEditedFile(const CliOptions& options, const EditedFile& file, const Lines& result,
                     std::ostream& out, std::ostream& err)
{
    return options.write ? saveResult(file, result, err) : printResult(file, result, out, err);
}

} // namespace notavi::cli
