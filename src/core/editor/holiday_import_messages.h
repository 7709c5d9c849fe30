#pragma once

// The texts of the school-holiday import (Windows-1252; "\r" breaks a line of a message box).

#include <cstddef>
#include <string>
#include <string_view>

namespace notavi {

// clang-format off
inline constexpr std::string_view kHolidayBlockNotCreatedMessage =
    "Der Terminblock f\xFC" "r die Ferientermine konnte nicht\r angelegt werden. Import wird daher abgebrochen.\r"
    "Bitte informieren Sie den Programmierer.";
// clang-format on

inline constexpr std::string_view kHolidayFileDialogTitle = "Ferientermine aus Datei einlesen";

// The options dialog's caption: with the school year when line 1 of the file holds a "/".
std::string holidayImportCaption(std::string_view schoolYear);

std::string duplicateHolidayQuestion(std::string_view line);

// After the import, with the holiday file's name without its folder.
std::string noHolidaysImportedQuestion(std::string_view fileName);
std::string holidaysAddedInEditorQuestion(std::size_t count, std::string_view fileName);
std::string holidaysSavedQuestion(std::size_t count, std::string_view fileName);

std::string holidayFileDeletedMessage(std::string_view fileName);
std::string holidayFileNotDeletedMessage(std::string_view fileName);

// The link that opens a new mail asking for the holiday file.
std::string holidayFileRequestLink();

} // namespace notavi
