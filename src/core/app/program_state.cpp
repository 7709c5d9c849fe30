#include "core/app/program_state.h"

#include "core/model/data_files.h"
#include "core/model/leftover_files.h"

namespace notavi {

ProgramState::ProgramState(const StartupEnvironment& environment)
    : m_files(environment.files), m_programFolder(environment.programFolder),
      m_baseFolder(determineBaseFolder(m_files, m_programFolder, environment.userFolders)),
      m_settingsFile(SettingsFile::inFolder(m_baseFolder.path, m_files))
{
    removeLeftoverTempFiles(m_baseFolder.path, std::filesystem::file_time_type::clock::now());
}

Path ProgramState::dataFilePath() const
{
    return m_baseFolder.path / std::string(kDataFileName);
}

void ProgramState::loadSettings(std::initializer_list<SettingsSection> sections)
{
    m_settingsFile.load(sections, m_settings);
}

void ProgramState::loadSettings(SettingsSection section)
{
    m_settingsFile.load(section, m_settings);
}

bool ProgramState::saveSettings(SettingsSection section) const
{
    return m_settingsFile.save(section, m_settings);
}

FileLoadOutcome ProgramState::loadFile()
{
    m_file.lines.clear();
    m_fileLoaded = false;
    m_repairPending = false;
    MainLoadResult result = loadMainList(m_files, m_baseFolder.path);
    FileLoadOutcome outcome;
    if (!result.loaded()) {
        outcome.failure = result.error;
        return outcome;
    }
    m_file = std::move(result.file);
    m_repairPending = result.corrected;
    m_fileLoaded = true;
    outcome.loaded = true;
    if (result.status == MainLoadStatus::CreatedDefault)
        outcome.messages = saveMessages(result.defaultSave);
    return outcome;
}

ViewOutcome ProgramState::evaluate(DayNumber date, int viewMode, const DisplayOptions& options,
                                   const Clock& clock, LineErrorSink& errors)
{
    ViewOutcome outcome;
    EvaluationContext context{options, clock, errors, m_alarms};
    outcome.result = evaluateView(m_file.lines, context, date, viewMode);
    if (!outcome.result.ok)
        return outcome;
    outcome.range = viewRange(static_cast<ViewMode>(viewMode), date);
    if (outcome.result.corrected || m_repairPending) {
        m_repairPending = false;
        outcome.writeBackFailed = !writeBack(m_files, m_baseFolder.path, m_file.lines);
    }
    return outcome;
}

void ProgramState::collectTodaysAlarms(const DisplayOptions& options, const Clock& clock,
                                       LineErrorSink& errors)
{
    EvaluationContext context{options, clock, errors, m_alarms};
    evaluateView(m_file.lines, context, clock.today(), 0, EvaluationPass::Alarm);
}

} // namespace notavi
