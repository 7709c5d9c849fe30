#include "cli/editor_tools.h"

#include "cli/edited_file.h"
#include "core/app/settings_file.h"
#include "core/editor/expired_walk.h"
#include "core/editor/text_sort.h"
#include "core/engine/clock.h"
#include "core/model/windows1252.h"

namespace notavi::cli {
namespace {

// The age limit of the window's automatic deletion: notavi.ini in the folder of the file.
int ageLimitOf(const CliOptions& options, const std::filesystem::path& dataFile)
{
    if (options.ageLimit)
        return *options.ageLimit;
    Settings settings;
    SettingsFile::inFolder(dataFile.parent_path()).load(SettingsSection::Extras, settings);
    return settings.extras.deletionPeriodDays;
}

void nameDeletedLines(const Lines& text, const std::vector<std::size_t>& deleted, std::ostream& err)
{
    std::string report;
    for (std::size_t index : deleted) {
        report += "notavi-cli: Verstrichen, gel\xC3\xB6scht (Zeile " + std::to_string(index + 1) + "): ";
        appendAsUtf8(report, text[index]);
        report += '\n';
    }
    err << report;
}

} // namespace

int runSort(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<EditedFile> file = loadForEditing(options, err);
    if (!file)
        return 2;
    return finishEditedFile(options, *file, sortText(file->text), out, err);
}

int runExpiredDeletion(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<EditedFile> file = loadForEditing(options, err);
    if (!file)
        return 2;
    const DayNumber today = options.date.value_or(SystemClock().today());
    const AutomaticDeletion deletion = deleteExpiredLines(file->text, today, ageLimitOf(options, file->path));
    nameDeletedLines(file->text, deletion.deleted, err);
    // Like the start-up, which saves only when a line was deleted.
    return finishEditedFile(options, *file, deletion.deleted.empty() ? file->onDisk : deletion.text, out,
                            err);
}

} // namespace notavi::cli
