#pragma once

// Running the editor for the main window: on the screen and modal, or invisibly for one command
// (new, change, delete, expired, reactivation), after which closing saves without asking.

#include "core/app/program_state.h"
#include "gui/platform/desktop.h"

#include <functional>

class QWidget;

namespace notavi::gui {

class TC_FORM_Editor;

class EditorRunner
{
  public:
    // The state and the owner (the main window) must outlive the runner.
    EditorRunner(const Desktop& desktop, ProgramState& state, QWidget* owner);

    // The main window's help, and its URL question option: `toggleUrlQuestion` switches it and
    // answers the new check mark.
    void setHelpCommand(std::function<void()> help) { m_help = std::move(help); }

    void setUrlQuestionCommand(std::function<bool()> toggle) { m_toggleUrlQuestion = std::move(toggle); }

    // Shows the editor modally until it is closed; true when it saved the file.
    bool openModal();
    // Creates the editor hidden, loads the file, runs the command and closes the editor, which
    // saves a changed text; true when it saved the file.
    bool runHidden(const std::function<void(TC_FORM_Editor&)>& command);

  private:
    void prepare(TC_FORM_Editor& editor) const;

    Desktop m_desktop;
    ProgramState& m_state;
    QWidget* m_owner;
    std::function<void()> m_help;
    std::function<bool()> m_toggleUrlQuestion;
};

} // namespace notavi::gui
