#include "cli/holiday_command.h"

#include "cli/edited_file.h"
#include "core/editor/holiday_file.h"
#include "core/editor/holiday_merge.h"
#include "core/model/info_area.h"
#include "core/model/windows1252.h"

#include <algorithm>

namespace notavi::cli {
namespace {

std::optional<HolidayFile> readOrReport(const CliOptions& options, std::ostream& err)
{
    std::optional<HolidayFile> file = readHolidayFile(diskFileSystem(), *options.holidayFile);
    if (!file)
        err << "notavi-cli: Die Feriendatei \"" << *options.holidayFile
            << "\" konnte nicht gelesen werden.\n";
    return file;
}

} // namespace

int listHolidayStates(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<HolidayFile> file = readOrReport(options, err);
    if (!file)
        return 2;
    for (const std::string& state : file->states())
        out << toUtf8(state) << "\n";
    return 0;
}

int importHolidays(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<HolidayFile> file = readOrReport(options, err);
    if (!file)
        return 2;
    const std::string state = fromUtf8(*options.state);
    const std::vector<std::string> states = file->states();
    if (std::ranges::find(states, state) == states.end()) {
        err << "notavi-cli: Das Bundesland \"" << *options.state << "\" steht nicht in der Feriendatei.\n";
        return 2;
    }
    const std::optional<EditedFile> edited = loadForEditing(options, err);
    if (!edited)
        return 2;
    // The main window's list: the file with its info area repaired; an empty one is the default file.
    Lines list = edited->onDisk;
    if (!list.empty())
        repairInfoArea(list);
    const Lines holidays = holidayLinesToImport(*file, state, options.withStateName);
    // Like answering Yes to each of the window's questions: a duplicate is skipped, the rest read.
    const HolidayListImport result =
        importHolidaysIntoList(std::move(list), holidays, [&err](const std::string& line) {
            err << "notavi-cli: bereits vorhanden, \xC3\xBC"
                   "bersprungen: "
                << toUtf8(line) << "\n";
            return true;
        });
    if (result.blockAppended)
        err << "notavi-cli: Der Terminblock \"Ferien\" fehlte und wurde aus der Vorlage angelegt.\n";
    err << "notavi-cli: " << result.merge.inserted.size() << " Ferientermine eingelesen.\n";
    return finishEditedFile(options, *edited, result.lines, out, err);
}

} // namespace notavi::cli
