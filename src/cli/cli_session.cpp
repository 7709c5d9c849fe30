#include "cli/cli_session.h"

#include "cli/view_output.h"
#include "core/engine/view_evaluator.h"
#include "core/model/windows1252.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace notavi::cli {
namespace {

namespace fs = std::filesystem;

struct LoadedFile
{
    bool ok = false;
    bool missing = false;
    Lines lines;
    std::string error;
};

fs::path userDataFolder()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "Notavi";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "Notavi";
    return fs::current_path();
}

fs::path appointmentPath(const CliOptions& options)
{
    if (options.file)
        return *options.file;
    fs::path base = options.baseFolder ? fs::path(*options.baseFolder) : userDataFolder();
    return base / "notavi.dat";
}

LoadedFile readLines(const fs::path& path)
{
    LoadedFile loaded;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        loaded.missing = true;
        loaded.error = "Die Termindatei \"" + path.string() + "\" wurde nicht gefunden.";
        return loaded;
    }
    if (fs::is_directory(path, ec)) {
        loaded.error = "\"" + path.string() + "\" ist ein Ordner, keine Termindatei.";
        return loaded;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf()) || in.bad()) {
        // An empty file gives no characters to copy; that is no read failure.
        if (!in.is_open() || in.bad()) {
            loaded.error = "Die Termindatei \"" + path.string() + "\" konnte nicht gelesen werden.";
            return loaded;
        }
    }
    loaded.ok = true;
    loaded.lines = splitLines(bytes.str());
    return loaded;
}

// Errors of a normal evaluation go to stderr as one line each, like the editor's check list.
class StreamLineErrorSink final : public LineErrorSink
{
  public:
    explicit StreamLineErrorSink(std::ostream& stream) : m_stream(stream) {}

    void report(const LineError& error) override
    {
        m_stream << toUtf8(lineErrorCheckListText(error)) << "\n";
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
        out << toUtf8(lineErrorCheckListText(error)) << "\n";
    if (sink.errors.empty())
        out << "Keine Fehler gefunden.\n";
    return sink.errors.empty() ? 0 : 1;
}

} // namespace

int runSession(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const fs::path path = appointmentPath(options);
    LoadedFile loaded = readLines(path);
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

    DisplayOptions display;
    StreamLineErrorSink sink(err);
    Alarms alarms;
    EvaluationContext context{display, clock, sink, alarms};
    const int viewMode = options.viewMode.value_or(0);
    EvaluationResult result = evaluateView(loaded.lines, context, date, viewMode);
    if (!result.ok) {
        err << "notavi-cli: " << result.failure << "\n";
        return 2;
    }
    if (result.corrected)
        err << "notavi-cli: Hinweis: Das Programm korrigiert diese Termindatei beim n\xC3\xA4"
               "chsten Laden "
               "(veraltete Kopfzeilen oder fehlende \"@ E N D E\"-Zeilen); notavi-cli selbst \xC3\xA4"
               "ndert sie nicht.\n";

    ViewOutput view;
    view.caption = tabCaption(static_cast<ViewMode>(viewMode), date);
    view.entries = &result.entries;
    view.colour = !options.json && colourWanted(options.colour);
    if (options.json)
        writeJson(out, view);
    else
        writeText(out, view);
    return 0;
}

} // namespace notavi::cli
