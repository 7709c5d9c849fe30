#include "support/editor_rig.h"

#include "core/model/default_file.h"
#include "gui/editor/editor_text.h"
#include "gui/platform/text_conversion.h"
#include "support/main_window_rig.h"

namespace notavi::gui::test {

EditorRig::EditorRig(const char* today) : fake(day(today))
{
    m_state = std::make_unique<ProgramState>(StartupEnvironment{folder(), {}, files});
}

TC_FORM_Editor& EditorRig::open(bool shown)
{
    m_editor.reset();
    m_editor = std::make_unique<TC_FORM_Editor>(fake.desktop(), *m_state);
    m_editor->FormShow();
    if (shown)
        m_editor->show();
    return *m_editor;
}

QStringList editorLines(const TC_FORM_Editor& editor)
{
    QStringList lines;
    for (const QString& line : editor.text().documentLines())
        lines << line;
    return lines;
}

} // namespace notavi::gui::test
