#pragma once

// The editor on a temporary base folder in portable mode, with scripted desktop, without the main
// window: notavi.dat is written from UTF-8 lines, and the editor is opened on it.

#include "core/app/program_state.h"
#include "core/model/block_catalogue.h"
#include "core/model/file_system.h"
#include "gui/editor/tc_form_editor.h"
#include "support/fake_desktop.h"
#include "support/main_window_rig.h"

#include <memory>
#include <utility>
#include <vector>

#include <QStringList>

namespace notavi::gui::test {

class EditorRig : public PortableFolder
{
  public:
    explicit EditorRig(const char* today = "15.06.2025");

    // Creates the editor and loads the file into it (FormShow); shown on the (offscreen) screen
    // unless hidden.
    TC_FORM_Editor& open(bool shown = true);

    TC_FORM_Editor& editor() { return *m_editor; }

    ProgramState& state() { return *m_state; }

    FakeDesktop fake;
    RealFileSystem files;

  private:
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<TC_FORM_Editor> m_editor;
};

// The text as the editor's document holds it, one string per line (UTF-8 side).
QStringList editorLines(const TC_FORM_Editor& editor);

} // namespace notavi::gui::test
