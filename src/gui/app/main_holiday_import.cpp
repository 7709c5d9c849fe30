#include "gui/app/main_holiday_import.h"

#include "core/editor/data_file_holiday_import.h"
#include "core/editor/holiday_import_messages.h"
#include "core/model/storage_messages.h"
#include "gui/dialogs/holiday_import_steps.h"
#include "gui/platform/text_conversion.h"

namespace notavi::gui {

bool importHolidaysWithQuestions(QWidget* window, const Desktop& desktop, ProgramState& state,
                                 TC_Form_Eingabe& options)
{
    const std::optional<HolidayImportRequest> request = askHolidayImport(window, desktop, state, options);
    if (!request)
        return false;
    const DataFileImport result =
        importHolidaysIntoDataFile(state.files(), state.baseFolder().path, state.lines(), request->candidates,
                                   askAtDuplicate(window, desktop));
    const std::string shownName = holidayFileShownName(request->fileName);
    switch (result.status) {
    case DataFileImportStatus::FileUnreadable:
        desktop.beeper.play(SystemSound::Warning);
        desktop.boxes.error(window, boxText(kMainLoadFailedViewLines[0]));
        return false;
    case DataFileImportStatus::BlockNotCreated:
        desktop.beeper.play(SystemSound::Warning);
        desktop.boxes.error(window, boxText(kHolidayBlockNotCreatedMessage));
        return false;
    case DataFileImportStatus::SaveFailed:
        desktop.beeper.play(SystemSound::Warning);
        desktop.boxes.error(window, boxText(kSaveFailedMessage));
        return false;
    case DataFileImportStatus::NothingImported:
        offerHolidayFileDeletion(window, desktop, state.files(), request->fileName,
                                 noHolidaysImportedQuestion(shownName));
        return result.import.blockAppended; // the new, empty block is in the file
    case DataFileImportStatus::Saved:
        offerHolidayFileDeletion(window, desktop, state.files(), request->fileName,
                                 holidaysSavedQuestion(result.import.merge.inserted.size(), shownName));
        return true;
    }
    return false;
}

} // namespace notavi::gui
