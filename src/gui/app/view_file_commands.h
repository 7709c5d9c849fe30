#pragma once

// The main window's commands that change the file from the view: delete the appointment of the
// caret's line (also the Delete key in the view), delete expired appointments and reactivate
// deactivated ones, each through the hidden editor; and the automatic deletion at start-up.

#include "core/app/program_state.h"
#include "gui/app/editor_command.h"
#include "gui/platform/desktop.h"

#include <QObject>

class QPlainTextEdit;

namespace notavi::gui {

class TC_FORM_Haupt;

class ViewFileCommands final : public QObject
{
    Q_OBJECT

  public:
    // Connects the starters of the commands and watches the view for the Delete key.
    ViewFileCommands(TC_FORM_Haupt& window, QPlainTextEdit& view, const Desktop& desktop,
                     ProgramState& state);

    void C_PSBT_loeschenClick();
    void C_MItem_VerstricheneClick();
    void C_MItem_AktivierenClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refuse(const QString& message);

    TC_FORM_Haupt& m_window;
    QPlainTextEdit& m_view;
    Desktop m_desktop;
    MainEditorCommand m_editor;
};

// At start-up, when the settings ask for it: the expired appointments past the age limit deleted
// through the hidden editor. True when the file was saved (and must be loaded again).
bool deleteExpiredAtStart(const Desktop& desktop, ProgramState& state, QWidget* owner);

} // namespace notavi::gui
