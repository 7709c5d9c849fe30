#include "cli/cli_session.h"

#include "cli/editor_commands.h"
#include "cli/editor_tools.h"
#include "cli/file_location.h"
#include "cli/holiday_command.h"
#include "cli/terminal_text.h"
#include "cli/view_output.h"
#include "core/app/display_options_from_settings.h"
#include "core/app/settings_file.h"
#include "core/engine/view_evaluator.h"
#include "core/model/data_files.h"
#include "core/model/default_file.h"
#include "core/model/info_area.h"
#include "core/model/storage.h"
#include "core/model/windows1252.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace notavi::cli {
namespace {

namespace fs = std::filesystem;

struct LoadedFile
{
    bool ok = false;
    bool missing = false;
    bool repaired = false; // the info area would be repaired on loading
    Lines lines;
    std::string error;
};

LoadedFile loadFile(const fs::path& path)
{
    LoadedFile loaded;
    RealFileSystem files;
    const std::string quoted = "\"" + path.string() + "\"";
    switch (files.kind(path)) {
    case FileKind::Missing:
        loaded.missing = true;
        loaded.error = "Die Termindatei " + quoted + " wurde nicht gefunden.";
        return loaded;
    case FileKind::DanglingLink:
        loaded.error = quoted + " ist eine Verkn\xC3\xBCpfung auf eine Datei, die nicht gefunden wird.";
        return loaded;
    case FileKind::Directory:
        loaded.error = quoted + " ist ein Ordner, keine Termindatei.";
        return loaded;
    case FileKind::Special:
        loaded.error =
            quoted + " ist keine gew\xC3\xB6hnliche Datei, sondern z.B. eine Pipe oder ein Ger\xC3\xA4t.";
        return loaded;
    case FileKind::Regular:
    case FileKind::Unknown:
        break;
    }
    std::optional<Lines> lines = readLines(files, path);
    if (!lines) {
        loaded.error = "Die Termindatei " + quoted + " konnte nicht gelesen werden.";
        return loaded;
    }
    loaded.ok = true;
    loaded.lines = std::move(*lines);
    // Like the window: an empty file counts as missing, so only the computed blocks are shown.
    if (!loaded.lines.empty())
        loaded.repaired = repairInfoArea(loaded.lines);
    return loaded;
}

// Errors of a normal evaluation go to stderr as one line each, like the editor's check list.
class StreamLineErrorSink final : public LineErrorSink
{
  public:
    explicit StreamLineErrorSink(std::ostream& stream) : m_stream(stream) {}

    void report(const LineError& error) override
    {
        m_stream << forTerminal(lineErrorCheckListText(error)) << "\n";
        ++count;
    }

    int count = 0;

  private:
    std::ostream& m_stream;
};

bool colourWanted(ColourMode mode)
{
    if (mode == ColourMode::Always)
        return true;
    if (mode == ColourMode::Never)
        return false;
    const char* noColour = std::getenv("NO_COLOR");
    return isatty(STDOUT_FILENO) && !(noColour && *noColour);
}

int runCheck(Lines& lines, const Clock& clock, DayNumber date, std::ostream& out)
{
    DisplayOptions options;
    CollectingLineErrorSink sink;
    Alarms alarms;
    EvaluationContext context{options, clock, sink, alarms};
    evaluateView(lines, context, date, 0, EvaluationPass::ErrorCheck);
    for (const LineError& error : sink.errors)
        out << forTerminal(lineErrorCheckListText(error)) << "\n";
    if (sink.errors.empty())
        out << "Keine Fehler gefunden.\n";
    return sink.errors.empty() ? 0 : 1;
}

} // namespace

// Reachable until the end, so leak checkers do not count it.
static std::pair<EvaluationResult, Lines>* keptUntilExit = nullptr;

int runSession(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    if (options.defaultFile) {
        out << joinLines(defaultFile());
        return 0;
    }
    if (options.holidayYear)
        return writeHolidayList(*options.holidayYear, out);
    if (options.cleanUp)
        return runCleanUp(options, out, err);
    if (options.sort)
        return runSort(options, out, err);
    if (options.expired)
        return runExpiredDeletion(options, out, err);
    if (options.holidayFile)
        return options.state ? importHolidays(options, out, err) : listHolidayStates(options, out, err);
    const fs::path base = baseFolderOf(options);
    const fs::path path = options.file ? fs::path(*options.file) : base / kDataFileName;
    LoadedFile loaded = loadFile(path);
    if (!loaded.ok && !(loaded.missing && !options.file)) {
        err << "notavi-cli: " << loaded.error << "\n";
        return 2;
    }
    if (loaded.missing)
        err << "notavi-cli: " << loaded.error << " Es werden nur die berechneten Termine angezeigt.\n";

    SystemClock clock;
    const DayNumber date = options.date.value_or(clock.today());
    if (options.check)
        return runCheck(loaded.lines, clock, date, out);

    // The view follows the settings of the window when there are any beside the file.
    const ViewSettings settings =
        viewSettingsFrom(SettingsFile::inFolder(options.file ? path.parent_path() : base).loadAll());
    const DisplayOptions display = displayOptionsFrom(settings);
    StreamLineErrorSink sink(err);
    Alarms alarms;
    EvaluationContext context{display, clock, sink, alarms};
    const int viewMode = options.viewMode.value_or(settings.startTab);
    // The view and the lines live until the process ends: freeing a year view's hundred thousand
    // texts one by one just before exit would only cost time.
    keptUntilExit = new std::pair<EvaluationResult, Lines>();
    auto* kept = keptUntilExit;
    kept->second = std::move(loaded.lines);
    EvaluationResult& result = kept->first;
    result = evaluateView(kept->second, context, date, viewMode);
    if (!result.ok) {
        err << "notavi-cli: " << result.failure << "\n";
        return 2;
    }
    if (result.corrected || loaded.repaired)
        err << "notavi-cli: Hinweis: Das Programm korrigiert diese Termindatei beim n\xC3\xA4"
               "chsten Laden "
               "(Infobereich, veraltete Kopfzeilen oder fehlende \"@ E N D E\"-Zeilen); notavi-cli selbst "
               "\xC3\xA4"
               "ndert sie nicht.\n";

    ViewOutput view;
    view.caption = tabCaption(static_cast<ViewMode>(viewMode), date);
    view.entries = &result.entries;
    view.blockColours = settings.blockColours;
    view.colour = !options.json && colourWanted(options.colour);
    if (options.json)
        writeJson(out, view);
    else
        writeText(out, view);
    return 0;
}

} // namespace notavi::cli
