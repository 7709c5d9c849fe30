#pragma once

// The state of the running program: where its files are, the main window's appointment list, the
// settings and their file, today's alarms, the message state of the line error report and the flag
// that says the editor saved. One object per run; the main window, the editor and the dialogs work
// on it by reference, so that none of them owns what the others need.

#include "core/app/settings.h"
#include "core/app/settings_file.h"
#include "core/engine/line_error.h"
#include "core/engine/view_evaluator.h"
#include "core/engine/view_range.h"
#include "core/model/appointment_file.h"
#include "core/model/base_folder.h"
#include "core/model/file_system.h"
#include "core/model/storage.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace notavi {

// Where the program finds its files: the folder of the executable, the per-user folders, and the
// file operations (tests pass a temporary folder and may pass failing file systems).
struct StartupEnvironment
{
    Path programFolder;
    UserFolderEnvironment userFolders;
    FileSystem& files;
};

// How loading the main window's list went, and what the window has to tell the user.
struct FileLoadOutcome
{
    bool loaded = false;
    std::string_view failure;               // not loaded: the warning (Windows-1252)
    std::vector<std::string_view> messages; // loaded: error boxes to show, in order (Windows-1252)
};

// An evaluation as the window shows it, with the write-back of the corrections it made.
struct ViewOutcome
{
    EvaluationResult result;
    ViewRange range;
    bool writeBackFailed = false; // the corrected list could not be written: kWriteBackFailedMessage
};

class ProgramState
{
  public:
    // Determines the base folder (copying shipped files into the per-user folder once), removes the
    // temporary files that interrupted writes left there, and opens the settings file there; reads no
    // settings and no appointments yet.
    explicit ProgramState(const StartupEnvironment& environment);

    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    FileSystem& files() const { return m_files; }

    const BaseFolder& baseFolder() const { return m_baseFolder; }

    const Path& programFolder() const { return m_programFolder; }

    Path dataFilePath() const;

    // --- settings ---------------------------------------------------------------------------
    Settings& settings() { return m_settings; }

    const Settings& settings() const { return m_settings; }

    void loadSettings(std::initializer_list<SettingsSection> sections);
    void loadSettings(SettingsSection section);
    // A settings file that cannot be written leaves the settings in memory: false, nothing else.
    bool saveSettings(SettingsSection section) const;

    // notavi.ini is too large to be read: the defaults apply and the file is never written.
    bool settingsFileTooLarge() const { return m_settingsFile.tooLarge(); }

    // --- the main window's appointment list -------------------------------------------------
    const Lines& lines() const { return m_file.lines; }

    bool fileLoaded() const { return m_fileLoaded; }

    // Loads notavi.dat into the list, repairing its info area; a missing or empty file is replaced by
    // the default file. The repair is written back with the next evaluation.
    FileLoadOutcome loadFile();

    // Evaluates the list for a view; corrections made by the load or the evaluation are written
    // back to notavi.dat (without a backup). Faulty lines go to the sink.
    ViewOutcome evaluate(DayNumber date, int viewMode, const DisplayOptions& options, const Clock& clock,
                         LineErrorSink& errors);

    // The alarm pass for today alone, so that today's alarms stay registered while the view shows
    // another range.
    void collectTodaysAlarms(const DisplayOptions& options, const Clock& clock, LineErrorSink& errors);

    // --- today's alarms ---------------------------------------------------------------------
    Alarms& alarms() { return m_alarms; }

    const Alarms& alarms() const { return m_alarms; }

    // --- the line error report --------------------------------------------------------------
    LineErrorState lineErrorState() const { return m_lineErrorState; }

    LineErrorState& lineErrorStateRef() { return m_lineErrorState; }

    void setLineErrorState(LineErrorState state) { m_lineErrorState = state; }

    // --- the editor's saved flag ------------------------------------------------------------
    bool editorSaved() const { return m_editorSaved; }

    void clearEditorSaved() { m_editorSaved = false; }

    void markEditorSaved() { m_editorSaved = true; }

    // --- whether the editor window is open ---------------------------------------------------
    // The editor sets it while it is shown: the program then stays out of the tray, where the
    // modal editor could not be reached.
    bool editorOpen() const { return m_editorOpen; }

    void setEditorOpen(bool open) { m_editorOpen = open; }

  private:
    FileSystem& m_files;
    Path m_programFolder;
    BaseFolder m_baseFolder;
    SettingsFile m_settingsFile;
    Settings m_settings;

    AppointmentFile m_file;
    bool m_fileLoaded = false;
    bool m_repairPending = false; // the load repaired the info area: written back after evaluating
    Alarms m_alarms;
    LineErrorState m_lineErrorState = LineErrorState::Show;
    bool m_editorSaved = false;
    bool m_editorOpen = false;
};

} // namespace notavi
