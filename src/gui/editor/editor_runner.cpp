#include "gui/editor/editor_runner.h"

#include "gui/editor/tc_form_editor.h"

#include <QEventLoop>

namespace notavi::gui {
namespace {

// While an editor exists the program knows it: the small dialogs centre on it, and minimising never
// goes into the tray then.
class EditorOpenFlag
{
  public:
    explicit EditorOpenFlag(ProgramState& state) : m_state(state) { m_state.setEditorOpen(true); }

    ~EditorOpenFlag() { m_state.setEditorOpen(false); }

    EditorOpenFlag(const EditorOpenFlag&) = delete;
    EditorOpenFlag& operator=(const EditorOpenFlag&) = delete;

  private:
    ProgramState& m_state;
};

} // namespace

EditorRunner::EditorRunner(const Desktop& desktop, ProgramState& state, QWidget* owner)
    : m_desktop(desktop), m_state(state), m_owner(owner)
{
}

void EditorRunner::prepare(TC_FORM_Editor& editor) const
{
    editor.setHelpCommand(m_help);
    editor.setUrlQuestionCommand(m_toggleUrlQuestion);
    editor.setUrlQuestionChecked(m_state.settings().extras.confirmUrl);
    editor.FormShow();
}

bool EditorRunner::openModal()
{
    m_state.clearEditorSaved();
    const EditorOpenFlag open(m_state);
    TC_FORM_Editor editor(m_desktop, m_state, m_owner);
    prepare(editor);
    editor.setWindowModality(Qt::ApplicationModal);
    QEventLoop untilClosed;
    QObject::connect(&editor, &TC_FORM_Editor::closed, &untilClosed, &QEventLoop::quit);
    editor.show();
    untilClosed.exec();
    return m_state.editorSaved();
}

bool EditorRunner::runHidden(const std::function<void(TC_FORM_Editor&)>& command)
{
    m_state.clearEditorSaved();
    const EditorOpenFlag open(m_state);
    TC_FORM_Editor editor(m_desktop, m_state, m_owner);
    prepare(editor);
    command(editor);
    editor.close();
    return m_state.editorSaved();
}

} // namespace notavi::gui
