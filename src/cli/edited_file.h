#pragma once

// The frame of every notavi-cli command that changes the appointment file: the file is loaded as
// the editor loads it, the command works on the lines, and the result either goes to standard
// output exactly as it would be saved, or, with --schreiben, is saved exactly as the editor saves.

#include "cli/cli_options.h"
#include "core/model/appointment_file.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace notavi::cli {

struct EditedFile
{
    std::filesystem::path path;
    Lines onDisk; // the lines as read
    Lines text;   // the lines as the editor shows them: cleaned up
};

// Reads the file of the options (--datei, or notavi.dat in the base folder) and cleans it up.
// A missing or unreadable file is a German message on err and nullopt (exit code 2).
std::optional<EditedFile> loadForEditing(const CliOptions& options, std::ostream& err);

// Without --schreiben: the result, Windows-1252 with CR LF after every line, on out; the file is
// not touched. With --schreiben: saved over the file with the previous version in the backup file
// (notavi.bak beside notavi.dat), and only when the lines differ from those on disk; never when
// another program changed the file since it was loaded. One German line on err says what was done.
// Returns the exit code: 0 done, 1 saved but without a backup, 2 nothing saved.
int finishEditedFile(const CliOptions& options, const EditedFile& file, const Lines& result,
                     std::ostream& out, std::ostream& err);

// The backup file of an appointment file: the same name with ".bak".
std::filesystem::path backupFileOf(const std::filesystem::path& dataFile);

} // namespace notavi::cli
