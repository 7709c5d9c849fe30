#include "gui/app/editor_command.h"

#include "gui/app/entry_view.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/editor/editor_runner.h"

#include <QAction>

namespace notavi::gui {

MainEditorCommand::MainEditorCommand(TC_FORM_Haupt& window, EntryView& view, const Desktop& desktop,
                                     ProgramState& state)
    : m_window(window), m_view(view), m_desktop(desktop), m_state(state)
{
}

void MainEditorCommand::C_MItem_bearbeitenClick()
{
    const LineErrorState messages = m_state.lineErrorState();
    m_state.setLineErrorState(LineErrorState::Show);
    EditorRunner runner(m_desktop, m_state, &m_window);
    runner.setHelpCommand([this] { m_window.C_MItem_NotaviHilfeClick(); });
    runner.setUrlQuestionCommand([this] {
        QAction* option = m_window.action(Command::C_MItem_URLabfrage);
        option->trigger();
        return option->isChecked();
    });
    const bool saved = runner.openModal();
    m_state.setLineErrorState(messages);
    if (!saved && m_state.fileLoaded()) {
        m_view.viewport()->update();
        return;
    }
    reloadKeepingPlace();
}

bool MainEditorCommand::runHidden(const std::function<void(TC_FORM_Editor&)>& command,
                                  const std::function<void()>& afterSave)
{
    EditorRunner runner(m_desktop, m_state, &m_window);
    const bool saved = runner.runHidden(command);
    if (saved && afterSave)
        afterSave();
    if (saved)
        reloadKeepingPlace();
    else if (m_window.isVisible())
        m_view.setFocus();
    return saved;
}

// The view is not touched while the editor runs, so its place before the run is the user's place.
void MainEditorCommand::reloadKeepingPlace()
{
    const ViewPosition place = m_view.position();
    m_window.C_MItem_neuladenClick(false);
    m_view.restorePosition(place, true);
}

} // namespace notavi::gui
