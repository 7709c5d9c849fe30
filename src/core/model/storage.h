#pragma once

// Loading and saving notavi.dat in the base folder: for the main window (with the info-area repair
// and the default file when there is none), for the editor, the editor's save with a backup in
// notavi.bak, and the write-back of corrections. Every byte of every line is kept; lines are
// written with CR LF.

#include "core/model/appointment_file.h"
#include "core/model/file_system.h"

#include <string>
#include <string_view>
#include <vector>

namespace notavi {

struct SaveResult
{
    bool written = false;      // notavi.dat holds the new text
    bool backupFailed = false; // notavi.bak could not be made (the save went on)
};

// The messages to show after a save, in order (none after a clean save).
std::vector<std::string_view> saveMessages(const SaveResult& result);

// Saves the editor's text. The new text goes to a temporary file first, so that a failed write
// leaves notavi.dat as it was; then the current notavi.dat is copied to notavi.bak; then the
// temporary file replaces notavi.dat.
SaveResult saveWithBackup(FileSystem& fs, const Path& baseFolder, const Lines& lines);
// The same for a data file and a backup file of any name.
SaveResult saveFileWithBackup(FileSystem& fs, const Path& dataFile, const Path& backupFile,
                              const Lines& lines);

// Writes the corrected list of the main window back to notavi.dat, without a backup.
bool writeBack(FileSystem& fs, const Path& baseFolder, const Lines& lines);

enum class MainLoadStatus
{
    Loaded,         // the file was read (and its info area checked)
    CreatedDefault, // there was no file, or an empty one: the default file was saved, the list is empty
    ReadFailed,     // the file cannot be read (locked, no permission, a directory)
};

struct MainLoadResult
{
    MainLoadStatus status = MainLoadStatus::ReadFailed;
    AppointmentFile file;
    bool corrected = false; // the info-area repair changed the list: write it back
    SaveResult defaultSave; // CreatedDefault: how saving the default file went
    std::string_view error; // ReadFailed: the message box text (kMainLoadFailedMessage)

    bool loaded() const { return status != MainLoadStatus::ReadFailed; }
};

// The lines of a file, read twice in pieces: once to count them, once to split them, so that the
// whole content is never held beside its lines and the list of lines is made once at its size.
std::optional<Lines> readLines(const FileSystem& fs, const Path& path);

MainLoadResult loadMainList(FileSystem& fs, const Path& baseFolder);

enum class EditorLoadStatus
{
    Loaded,
    NotFound,
    ReadFailed,
};

struct EditorLoadResult
{
    EditorLoadStatus status = EditorLoadStatus::ReadFailed;
    Lines lines; // Loaded: the file as it is, without any cleanup
};

EditorLoadResult loadEditorText(const FileSystem& fs, const Path& baseFolder);
// The same for a data file of any name.
EditorLoadResult loadEditorFile(const FileSystem& fs, const Path& dataFile);

} // namespace notavi
