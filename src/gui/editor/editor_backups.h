#pragma once

// The editor's two backup commands: writing the text to a file of the user's choice, and copying a
// chosen file over notavi.dat and opening it. The file chosen last is remembered in the settings.

#include "core/app/program_state.h"
#include "gui/platform/desktop.h"

#include <QString>

namespace notavi::gui {

class TC_FORM_Editor;

class EditorBackups
{
  public:
    EditorBackups(TC_FORM_Editor& editor, const Desktop& desktop, ProgramState& state);

    // A modified text is saved first, so that the backup equals notavi.dat.
    void C_MItem_SicherungErstellenClick();
    // Unsaved changes are given up without a question: the restored file replaces them.
    void C_MItem_SicherungWiederherstellenClick();

  private:
    QString backupPath();
    void rememberBackupPath(const QString& path);

    TC_FORM_Editor& m_editor;
    Desktop m_desktop;
    ProgramState& m_state;
};

} // namespace notavi::gui
