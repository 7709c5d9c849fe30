#include "gui/dialogs/holiday_import_steps.h"

#include "core/editor/holiday_import_messages.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/shell_reports.h"
#include "gui/platform/text_conversion.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace notavi::gui {
namespace {

const QString kHolidayFilter = QStringLiteral("Ferientermine (*.fer);;alle Dateien (*)");

// The file chosen last, for the next file dialog of either window.
QString& lastHolidayFile()
{
    static QString file;
    return file;
}

Path toPath(const QString& file)
{
    return Path(file.toStdString());
}

} // namespace

std::string holidayFileShownName(const QString& fileName)
{
    return toCp1252(QFileInfo(fileName).fileName());
}

std::optional<HolidayImportRequest> askHolidayImport(QWidget* parent, const Desktop& desktop,
                                                     ProgramState& state, TC_Form_Eingabe& options)
{
    const QString previous = lastHolidayFile();
    const QString preset =
        previous.endsWith(QStringLiteral(".fer"), Qt::CaseInsensitive) ? previous : QString();
    const std::optional<QString> chosen = desktop.dialogs.openFile(
        parent, {fromCp1252(kHolidayFileDialogTitle), QString(), preset, kHolidayFilter});
    if (!chosen)
        return std::nullopt;
    lastHolidayFile() = *chosen;
    const std::optional<HolidayFile> file = readHolidayFile(state.files(), toPath(*chosen));
    if (!file)
        return std::nullopt;

    QStringList states;
    for (const std::string& name : file->states())
        states << fromCp1252(name);
    state.loadSettings(SettingsSection::HolidayImport);
    HolidayImportSettings& remembered = state.settings().holidayImport;
    HolidayImportChoice choice{remembered.stateIndex, remembered.withStateName, QString()};
    if (!options.askHolidayImport(fromCp1252(holidayImportCaption(file->schoolYear())), states, choice))
        return std::nullopt;
    remembered.stateIndex = choice.stateIndex;
    remembered.withStateName = choice.withStateName;
    state.saveSettings(SettingsSection::HolidayImport);
    return HolidayImportRequest{
        *chosen, holidayLinesToImport(*file, toCp1252(choice.stateText), choice.withStateName)};
}

DuplicateQuestion askAtDuplicate(QWidget* parent, const Desktop& desktop)
{
    return [parent, desktop](const std::string& line) {
        desktop.beeper.play(SystemSound::Warning);
        return desktop.boxes.confirm(parent, boxText(duplicateHolidayQuestion(line)));
    };
}

void offerHolidayFileDeletion(QWidget* parent, const Desktop& desktop, FileSystem& files,
                              const QString& fileName, const std::string& question)
{
    desktop.beeper.play(SystemSound::Information);
    if (!desktop.boxes.confirm(parent, boxText(question)))
        return;
    const std::string shownName = holidayFileShownName(fileName);
    if (files.removeFile(toPath(fileName))) {
        desktop.beeper.play(SystemSound::Information);
        desktop.boxes.information(parent, boxText(holidayFileDeletedMessage(shownName)));
    } else {
        desktop.beeper.play(SystemSound::Warning);
        desktop.boxes.error(parent, boxText(holidayFileNotDeletedMessage(shownName)));
    }
}

void requestHolidayFileByMail(QWidget* parent, const Desktop& desktop)
{
    openUrlOrReport(desktop, parent, QUrl(fromCp1252(holidayFileRequestLink()), QUrl::TolerantMode));
}

} // namespace notavi::gui
