#include "cli/editor_commands.h"

#include "cli/edited_file.h"
#include "core/editor/holiday_list.h"
#include "core/model/windows1252.h"

namespace notavi::cli {

int writeHolidayList(int year, std::ostream& out)
{
    std::string text;
    for (const HolidayItem& item : holidayList(year)) {
        appendAsUtf8(text, item.text);
        text += '\n';
    }
    out << text;
    return 0;
}

int runCleanUp(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<EditedFile> file = loadForEditing(options, err);
    if (!file)
        return 2;
    return finishEditedFile(options, *file, file->text, out, err);
}

} // namespace notavi::cli
