#pragma once

// The main window's commands that change the file from the view, each through the hidden editor: a
// new appointment, changing or deleting the appointment of the caret's line, deleting expired
// appointments and reactivating deactivated ones; and the automatic deletion at start-up.

#include "core/app/program_state.h"
#include "gui/app/editor_command.h"
#include "gui/platform/desktop.h"

#include <functional>
#include <optional>

#include <QObject>

namespace notavi::gui {

class EntryView;
class TC_FORM_Editor;
class TC_FORM_Haupt;
struct Refusals;

class ViewFileCommands final : public QObject
{
    Q_OBJECT

  public:
    ViewFileCommands(TC_FORM_Haupt& window, EntryView& view, const Desktop& desktop, ProgramState& state);

    void C_PSBT_neuClick();
    void C_PSBT_aendernClick();
    void C_PSBT_loeschenClick();
    void C_MItem_VerstricheneClick();
    void C_MItem_AktivierenClick();

  private:
    void refuse(const QString& message);
    // The appointment of the caret's line, or nullopt after telling why there is none to work on.
    std::optional<ViewEntry> appointmentAtCaret(const Refusals& refusals);
    // `command` run by the hidden editor with its caret on the entry's line; when that line is no
    // longer in the file, the user is told and the view shows the file as it is now.
    void runOnLine(const ViewEntry& entry, const std::function<void(TC_FORM_Editor&)>& command);

    TC_FORM_Haupt& m_window;
    EntryView& m_view;
    Desktop m_desktop;
    MainEditorCommand m_editor;
};

// At start-up, when the settings ask for it: the expired appointments past the age limit deleted
// through the hidden editor. True when the file was saved (and must be loaded again).
bool deleteExpiredAtStart(const Desktop& desktop, ProgramState& state, QWidget* owner);

} // namespace notavi::gui
