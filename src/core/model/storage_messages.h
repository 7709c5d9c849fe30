#pragma once

// The messages about loading and saving the appointment file (Windows-1252; "\r" breaks a line of a
// message box). The front ends show them; the core only says which one applies.

#include <array>
#include <string_view>

namespace notavi {

// The texts keep one source line per line of text.
// clang-format off
inline constexpr std::string_view kBackupFailedMessage =
    "Beim Erstellen der Sicherungsdatei \"Notavi.bak\" ist ein Fehler aufgetreten!";

inline constexpr std::string_view kSaveFailedMessage =
    "A C H T U N G ! ! !\r\rBeim Speichern der Termindatei \"Notavi.dat\" ist ein Fehler aufgetreten!\r"
    "Bitte heben Sie einen eventuellen Schreibschutz auf.";

inline constexpr std::string_view kWriteBackFailedMessage =
    "A C H T U N G ! ! !\r\rBeim Speichern der automatisch korrigierten Termindatei Notavi.dat ist ein "
    "Fehler aufgetreten!";

// The main window: the three lines that replace the view, and the message box.
inline constexpr std::array<std::string_view, 3> kMainLoadFailedViewLines = {
    "Die Termindatei (Notavi.dat) konnte nicht geladen werden.",
    "Falls sie von einer anderen Anwendung gesperrt wird, beenden sie diese Anwendung bitte.",
    "Danach k\xF6" "nnen \xFC" "ber das Men\xFC" " Datei -> Termindatei neu laden erneut versuchen, die "
    "Termindatei zu laden.",
};

inline constexpr std::string_view kMainLoadFailedMessage =
    "Die Termindatei (Notavi.dat) konnte nicht geladen werden.\r"
    "Falls sie von einer anderen Anwendung gesperrt wird, beenden sie diese Anwendung bitte.\r"
    "Danach k\xF6" "nnen \xFC" "ber das Men\xFC" " Datei -> Termindatei neu laden erneut versuchen, die\r"
    "Termindatei zu laden.";

// The main window, when notavi.dat is a symbolic link to nothing, or no file to read at all.
inline constexpr std::string_view kMainLoadDanglingLinkMessage =
    "Die Termindatei (Notavi.dat) ist eine Verkn\xFC" "pfung auf eine Datei, die nicht gefunden wird.\r"
    "Falls diese in einem Ordner liegt, der noch nicht eingebunden ist, binden sie ihn bitte ein.\r"
    "Danach k\xF6" "nnen \xFC" "ber das Men\xFC" " Datei -> Termindatei neu laden erneut versuchen, die\r"
    "Termindatei zu laden.";

inline constexpr std::string_view kMainLoadNotAFileMessage =
    "Die Termindatei (Notavi.dat) ist keine gew\xF6hnliche Datei (sondern z.B. eine Pipe oder ein Ger\xE4t)\r"
    "und kann nicht geladen werden. Bitte ersetzen sie sie durch die Termindatei.\r"
    "Danach k\xF6" "nnen \xFC" "ber das Men\xFC" " Datei -> Termindatei neu laden erneut versuchen, die\r"
    "Termindatei zu laden.";

// The editor: the question when the file is missing, and the two lines it shows after "No".
inline constexpr std::string_view kEditorFileMissingQuestion =
    "Die Termindatei \"Notavi.dat\" konnte nicht gefunden werden.\rSoll sie erstellt werden?";

inline constexpr std::array<std::string_view, 2> kEditorFileMissingLines = {
    "Die Termindatei \"Notavi.dat\" konnte nicht gefunden werden.",
    "Sie k\xF6" "nnen \xFC" "ber das Men\xFC" " \"Datei -> neu erstellen\" eine neue Termindatei erzeugen.",
};

// The editor: the three lines of its text and the message box when the file cannot be read.
inline constexpr std::array<std::string_view, 3> kEditorLoadFailedLines = {
    "Die Termindatei \"Notavi.dat\" konnte nicht geladen werden.",
    "Falls sie von einer anderen Anwendung gesperrt wird, beenden sie diese Anwendung bitte.",
    "Danach k\xF6" "nnen sie \xFC" "ber den Men\xFC" "punkt \"letzte Version laden\" im Men\xFC" " \"Datei\" "
    "erneut versuchen, die Termindatei \"Notavi.dat\" zu laden.",
};

inline constexpr std::string_view kEditorLoadFailedMessage =
    "Die Termindatei \"Notavi.dat\" konnte nicht geladen werden.\r"
    "Falls sie von einer anderen Anwendung gesperrt wird, beenden sie diese Anwendung bitte.\r"
    "Danach k\xF6" "nnen sie \xFC" "ber den Men\xFC" "punkt \"letzte Version laden\" im Men\xFC" " \"Datei\" "
    "erneut versuchen, die\rTermindatei \"Notavi.dat\" zu laden.";

// clang-format on

} // namespace notavi
