#include "core/editor/holiday_import_messages.h"

#include "core/model/info_texts.h"

namespace notavi {
namespace {

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    result.append(text).append("\"");
    return result;
}

std::string deletionQuestion(std::string_view fileName)
{
    return "Soll die Feriendatei " + quoted(fileName) + " gel\xF6scht werden?";
}

} // namespace

std::string holidayImportCaption(std::string_view schoolYear)
{
    if (schoolYear.find('/') == std::string_view::npos)
        return "Ferien importieren";
    return "Ferien f\xFCr das Schuljahr " + std::string(schoolYear) + " importieren";
}

std::string duplicateHolidayQuestion(std::string_view line)
{
    return "Der nachfolgende Ferientermin ist bereits vorhanden und wird daher ignoriert!\r\r" +
           std::string(line) +
           "\r\rSollen die \xFC"
           "brigen Ferientermine noch eingelesen werden?";
}

std::string noHolidaysImportedQuestion(std::string_view fileName)
{
    return "Es wurden keine Ferientermine eingelesen. " + deletionQuestion(fileName);
}

std::string holidaysAddedInEditorQuestion(std::size_t count, std::string_view fileName)
{
    return std::to_string(count) +
           " Ferientermine wurden im Termineditor hinzugef\xFCgt.\r\r"
           "Die hinzugef\xFCgten Ferientermine wurden noch nicht gespeichert.\r\r" +
           deletionQuestion(fileName);
}

std::string holidaysSavedQuestion(std::size_t count, std::string_view fileName)
{
    return std::to_string(count) +
           " Ferientermine wurden erfolgreich eingelesen und gespeichert.\r\r"
           "Sofern Sie nicht die Ferientermine anderer Bundesl\xE4nder einlesen m\xF6"
           "chten, wird die Datei nicht "
           "mehr ben\xF6tigt.\r\r Soll die Feriendatei " +
           quoted(fileName) + " jetzt gel\xF6scht werden?";
}

std::string holidayFileDeletedMessage(std::string_view fileName)
{
    return "Die Feriendatei " + quoted(fileName) + " wurde erfolgreich gel\xF6scht.";
}

std::string holidayFileNotDeletedMessage(std::string_view fileName)
{
    return "Die Feriendatei " + quoted(fileName) + " konnte nicht gel\xF6scht werden.";
}

std::string holidayFileRequestLink()
{
    return "mailto:" + std::string(kContactAddress) + "?subject=Notavi " + std::string(kProgramVersion) +
           " - Anforderung der Feriendatei f\xFCr das Schuljahr  /";
}

} // namespace notavi
