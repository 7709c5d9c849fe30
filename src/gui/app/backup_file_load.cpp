#include "gui/app/backup_file_load.h"

#include "core/model/backup_files.h"
#include "core/model/backup_messages.h"
#include "gui/platform/text_conversion.h"

namespace notavi::gui {

bool askAndLoadBackupFile(QWidget* parent, const Desktop& desktop, ProgramState& state)
{
    desktop.beeper.play(SystemSound::Warning);
    if (!desktop.boxes.confirm(parent, boxText(kLoadBackupQuestion)))
        return false;
    if (loadBackupFile(state.files(), state.baseFolder().path))
        return true;
    desktop.beeper.play(SystemSound::Warning);
    desktop.boxes.error(parent, boxText(kLoadBackupFailedMessage));
    return false;
}

} // namespace notavi::gui
