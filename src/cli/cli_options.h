#pragma once

// The command line of notavi-cli.

#include "core/calendar/day_number.h"

#include <optional>
#include <string>
#include <vector>

namespace notavi::cli {

enum class ColourMode
{
    Auto,
    Always,
    Never,
};

struct CliOptions
{
    std::optional<std::string> baseFolder; // --basis
    std::optional<std::string> file;       // --datei
    std::optional<DayNumber> date;         // --datum
    std::optional<int> viewMode;           // --ansicht
    bool json = false;
    bool check = false;                     // --pruefen
    bool defaultFile = false;               // --standarddatei
    std::optional<int> holidayYear;         // --feiertage
    bool cleanUp = false;                   // --bereinigen
    bool sort = false;                      // --sortieren
    bool expired = false;                   // --verstrichene
    std::optional<int> ageLimit;            // --frist: days for --verstrichene (else the setting)
    bool write = false;                     // --schreiben: save the result of a command that changes the file
    std::optional<std::string> holidayFile; // --ferien
    std::optional<std::string> state;       // --bundesland, UTF-8
    bool withStateName = false;             // --mit-bundesland
    bool help = false;
    ColourMode colour = ColourMode::Auto;

    // Whether a command changes the appointment file (its result goes through finishEditedFile).
    bool changesFile() const { return cleanUp || sort || expired || (holidayFile && state); }
};

struct ParsedOptions
{
    std::optional<CliOptions> options;
    std::string error; // German, when options is empty
};

ParsedOptions parseOptions(const std::vector<std::string>& arguments);
const char* usageText();

} // namespace notavi::cli
