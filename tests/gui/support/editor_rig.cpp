#include "support/editor_rig.h"

#include "core/model/default_file.h"
#include "gui/editor/editor_text.h"
#include "gui/platform/text_conversion.h"
#include "support/main_window_rig.h"
#include "support/temp_dir.h"

namespace notavi::gui::test {

using notavi::test::readBytes;
using notavi::test::writeBytes;

EditorRig::EditorRig(const char* today) : fake(day(today))
{
    writeBytes(folder() / "notavi.por", "");
    m_state = std::make_unique<ProgramState>(StartupEnvironment{folder(), {}, files});
}

Path EditorRig::folder() const
{
    return Path(m_dir.path().toStdString());
}

void EditorRig::writeDataFile(const QStringList& utf8Lines) const
{
    Lines lines;
    for (const QString& line : utf8Lines)
        lines.push_back(toCp1252(line));
    writeDataBytes(joinLines(lines));
}

void EditorRig::writeDataBytes(const std::string& bytes) const
{
    writeBytes(folder() / "notavi.dat", bytes);
}

Lines EditorRig::dataFileLines() const
{
    return splitLines(readBytes(folder() / "notavi.dat"));
}

Lines EditorRig::backupFileLines() const
{
    return splitLines(readBytes(folder() / "notavi.bak"));
}

bool EditorRig::backupExists() const
{
    return std::filesystem::exists(folder() / "notavi.bak");
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
