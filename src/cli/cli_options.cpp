#include "cli/cli_options.h"

#include "core/calendar/german_text.h"

#include <algorithm>
#include <iterator>

namespace notavi::cli {
namespace {

struct Cursor
{
    const std::vector<std::string>& arguments;
    std::size_t index = 0;

    bool next(std::string& value)
    {
        if (index + 1 >= arguments.size())
            return false;
        value = arguments[++index];
        return true;
    }
};

std::optional<ColourMode> colourMode(const std::string& text)
{
    if (text == "auto")
        return ColourMode::Auto;
    if (text == "immer")
        return ColourMode::Always;
    if (text == "nie")
        return ColourMode::Never;
    return std::nullopt;
}

// "1" ... "9999", with or without leading zeros: a year, or days of the age limit.
std::optional<int> oneTo9999(const std::string& text)
{
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int year = std::stoi(text);
    return year >= kMinYear && year <= kMaxYear ? std::optional<int>(year) : std::nullopt;
}

} // namespace

const char* usageText()
{
    return "Aufruf: notavi-cli [Optionen]\n"
           "Zeigt die Termine aus notavi.dat als deutsche S\xC3\xA4tze an.\n"
           "\n"
           "  --basis ORDNER       Ordner mit notavi.dat und notavi.ini (sonst der \xC3\xBC"
           "bliche Ordner)\n"
           "  --datei DATEI        diese Termindatei auswerten\n"
           "  --datum TT.MM.JJJJ   Auswertungsdatum (sonst heute)\n"
           "  --ansicht 0-4        0 heute und n\xC3\xA4"
           "chste Woche, 1 n\xC3\xA4"
           "chste vier Wochen,\n"
           "                       2 aktueller Monat, 3 letzte vier Wochen, 4 aktuelles Jahr\n"
           "  --pruefen            alle formalen Fehler der Termindatei auflisten\n"
           "  --json               Ausgabe als JSON\n"
           "  --farbe auto|immer|nie  Farben im Terminal\n"
           "  --standarddatei      eine Standardtermindatei ausgeben\n"
           "  --feiertage JJJJ     die Feiertagsliste des Editors f\xC3\xBCr das Jahr (1 bis 9999)\n"
           "  --bereinigen         die Termindatei bereinigen, wie der Editor sie l\xC3\xA4"
           "dt (Leerzeilen,\n"
           "                       veraltete Bl\xC3\xB6"
           "cke)\n"
           "  --sortieren          die Termindatei sortieren, wie \"Sortieren\" im Editor\n"
           "  --verstrichene       verstrichene Termine l\xC3\xB6schen wie beim Programmstart (am\n"
           "                       Auswertungsdatum); die gel\xC3\xB6schten Zeilen stehen auf der "
           "Fehlerausgabe\n"
           "  --frist N            Frist in Tagen f\xC3\xBCr --verstrichene (1 bis 9999; sonst aus "
           "notavi.ini)\n"
           "  --ferien DATEI.fer   die Bundesl\xC3\xA4nder der Feriendatei auflisten\n"
           "  --ferien DATEI.fer --bundesland NAME [--mit-bundesland]\n"
           "                       die Ferien dieses Bundeslandes in die Termindatei einlesen\n"
           "                       (mit --mit-bundesland: \"Osterferien in NAME\")\n"
           "  --schreiben          das Ergebnis von --bereinigen, --sortieren, --verstrichene oder\n"
           "                       --ferien speichern (die vorige Fassung kommt in notavi.bak);\n"
           "                       sonst steht es auf der Standardausgabe\n"
           "  --help               diese Hilfe\n";
}

namespace {

// The options without a value and the switch each sets.
struct Flag
{
    const char* name;
    bool CliOptions::*value;
};

constexpr Flag kFlags[] = {
    {"--help", &CliOptions::help},
    {"-h", &CliOptions::help},
    {"--json", &CliOptions::json},
    {"--pruefen", &CliOptions::check},
    {"--standarddatei", &CliOptions::defaultFile},
    {"--bereinigen", &CliOptions::cleanUp},
    {"--sortieren", &CliOptions::sort},
    {"--verstrichene", &CliOptions::expired},
    {"--schreiben", &CliOptions::write},
    {"--mit-bundesland", &CliOptions::withStateName},
};

constexpr const char* kValueOptions[] = {"--basis",     "--datei", "--datum",  "--ansicht",   "--farbe",
                                         "--feiertage", "--frist", "--ferien", "--bundesland"};

bool setFlag(const std::string& argument, CliOptions& options)
{
    for (const Flag& flag : kFlags)
        if (argument == flag.name) {
            options.*flag.value = true;
            return true;
        }
    return false;
}

bool takesValue(const std::string& argument)
{
    return std::any_of(std::begin(kValueOptions), std::end(kValueOptions),
                       [&argument](const char* name) { return argument == name; });
}

// Takes the value of an option; the German refusal when the value is unusable.
std::optional<std::string> setValue(const std::string& argument, const std::string& value,
                                    CliOptions& options)
{
    if (argument == "--basis") {
        options.baseFolder = value;
    } else if (argument == "--datei") {
        options.file = value;
    } else if (argument == "--ferien") {
        options.holidayFile = value;
    } else if (argument == "--bundesland") {
        options.state = value;
    } else if (argument == "--datum") {
        options.date = parseDateText(value);
        if (!options.date || value.size() != 10)
            return "Das Datum \"" + value + "\" ist kein g\xC3\xBCltiges Datum (TT.MM.JJJJ).";
    } else if (argument == "--feiertage") {
        options.holidayYear = oneTo9999(value);
        if (!options.holidayYear)
            return "Das Jahr \"" + value + "\" ist ung\xC3\xBCltig (1 bis 9999).";
    } else if (argument == "--frist") {
        options.ageLimit = oneTo9999(value);
        if (!options.ageLimit)
            return "Die Frist \"" + value + "\" ist ung\xC3\xBCltig (1 bis 9999 Tage).";
    } else if (argument == "--ansicht") {
        if (value.size() != 1 || value[0] < '0' || value[0] > '4')
            return "Die Ansicht \"" + value + "\" ist unbekannt (0 bis 4).";
        options.viewMode = value[0] - '0';
    } else if (std::optional<ColourMode> mode = colourMode(value)) {
        options.colour = *mode;
    } else {
        return "Die Farbeinstellung \"" + value + "\" ist unbekannt (auto, immer, nie).";
    }
    return std::nullopt;
}

// Options that cannot go together; the German refusal of the first such pair.
std::optional<std::string> combinationRefusal(const CliOptions& options)
{
    if (options.baseFolder && options.file)
        return "Die Optionen --basis und --datei schlie\xC3\x9F"
               "en einander aus.";
    if ((options.state || options.withStateName) && !options.holidayFile)
        return "Die Optionen --bundesland und --mit-bundesland gelten nur mit --ferien.";
    if (options.withStateName && !options.state)
        return "Die Option --mit-bundesland braucht --bundesland.";
    if (options.holidayFile && (options.check || options.json || options.defaultFile || options.cleanUp))
        return "Die Option --ferien schlie\xC3\x9F"
               "t --pruefen, --json, --standarddatei und --bereinigen aus.";
    if (options.write && !options.changesFile())
        return "Die Option --schreiben gilt nur f\xC3\xBCr einen Befehl, der die Termindatei \xC3\xA4ndert "
               "(--bereinigen, --sortieren, --verstrichene, --ferien mit --bundesland).";
    const int fileCommands = int(options.cleanUp) + int(options.sort) + int(options.expired) +
                             int(options.holidayFile && options.state);
    if (fileCommands > 1)
        return "Die Optionen --bereinigen, --sortieren, --verstrichene und --ferien schlie\xC3\x9F"
               "en einander aus.";
    if (options.ageLimit && !options.expired)
        return "Die Option --frist gilt nur zusammen mit --verstrichene.";
    return std::nullopt;
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::string>& arguments)
{
    CliOptions options;
    Cursor cursor{arguments};
    auto fail = [](std::string message) { return ParsedOptions{std::nullopt, std::move(message)}; };
    for (; cursor.index < arguments.size(); ++cursor.index) {
        const std::string& argument = arguments[cursor.index];
        if (setFlag(argument, options))
            continue;
        if (!takesValue(argument))
            return fail("Unbekannte Option \"" + argument + "\".");
        std::string value;
        if (!cursor.next(value))
            return fail("Zur Option " + argument + " fehlt der Wert.");
        if (std::optional<std::string> refusal = setValue(argument, value, options))
            return fail(std::move(*refusal));
    }
    if (std::optional<std::string> refusal = combinationRefusal(options))
        return fail(std::move(*refusal));
    return ParsedOptions{options, {}};
}

} // namespace notavi::cli
