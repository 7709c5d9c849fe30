#pragma once

// The texts of the backup commands (Windows-1252; "\r" breaks a line of a message box).

#include <string>
#include <string_view>

namespace notavi {

// clang-format off
inline constexpr std::string_view kMakeBackupTitle = "Sicherung der Termindatei erstellen";
inline constexpr std::string_view kRestoreBackupTitle = "Sicherung der Termindatei wiederherstellen";

inline constexpr std::string_view kBackupCopyFailedMessage =
    "A C H T U N G ! ! !\r\rBeim Erstellen der \"Sicherungsdatei\" ist ein Fehler aufgetreten !\r\r"
    "Eventuell ist das Ziel schreibgesch\xFCtzt.";

inline constexpr std::string_view kRestoreFromItselfMessage =
    "A C H T U N G ! ! !\r\rDie aktuelle Termindatei kann nicht durch sich selbst wiederhergestellt werden.\r\r"
    "M\xF6" "chten Sie die zuletzt gespeicherte Version laden (also alle bisherigen nicht gespeicherten "
    "\xC4nderungen verwerfen), so benutzen Sie bitte den gleichnamigen Men\xFCpunkt im Men\xFC Datei.";

inline constexpr std::string_view kRestoredMessage =
    "Die Sicherungsdatei wurde erfolgreich wiederhergestellt und zum Bearbeiten ge\xF6" "ffnet.";

inline constexpr std::string_view kLoadBackupQuestion =
    "Soll die aktuelle Termindatei gel\xF6scht und durch die Sicherungsdatei ersetzt werden?\r\r"
    "Hierdurch wird die letzte Termin\xE4nderung r\xFC" "ckg\xE4ngig gemacht.";

inline constexpr std::string_view kLoadBackupFailedMessage =
    "Die Sicherungsdatei (Notavi.bak) konnte nicht geladen werden.";

// clang-format on

// The chosen file's name as shown (Windows-1252).
inline std::string restoreFailedMessage(std::string_view chosenFile)
{
    return "A C H T U N G ! ! !\r\rDie Datei \"" + std::string(chosenFile) +
           "\"\rkonnte nicht wiederhergestellt werden!";
}

} // namespace notavi
