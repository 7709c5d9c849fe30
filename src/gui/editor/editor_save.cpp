// Saving the text: notavi.bak keeps the previous version, and the user is asked first when another
// program changed the file since it was loaded or when a line holds characters the file cannot store.

#include "core/editor/disk_change.h"
#include "core/editor/unstorable_text.h"
#include "core/model/storage.h"
#include "gui/editor/editor_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"

#include <QAction>

namespace notavi::gui {

bool TC_FORM_Editor::C_MItem_speichernClick()
{
    const std::vector<QString> documentLines = C_RE_Termin->documentLines();
    std::vector<std::string> utf8;
    utf8.reserve(documentLines.size());
    for (const QString& line : documentLines)
        utf8.push_back(line.toStdString());
    if (!confirmUnstorable(utf8, documentLines) || !confirmOverwriteChanged())
        return false;
    const Lines lines = storableLines(utf8);
    const SaveResult result = saveWithBackup(m_state.files(), m_state.baseFolder().path, lines);
    for (std::string_view message : saveMessages(result))
        m_desktop.boxes.error(this, boxText(message));
    if (!result.written)
        return false;
    m_loadedOnDisk = lines;
    C_RE_Termin->document()->setModified(false);
    m_state.markEditorSaved();
    return true;
}

bool TC_FORM_Editor::confirmUnstorable(const std::vector<std::string>& utf8,
                                       const std::vector<QString>& lines)
{
    const std::optional<std::size_t> first = firstUnstorableLine(utf8);
    if (!first)
        return true;
    return m_desktop.boxes.confirm(this, kUnstorableQuestion.arg(*first + 1).arg(lines[*first]));
}

bool TC_FORM_Editor::confirmOverwriteChanged()
{
    if (!changedOnDisk(m_state.files(), m_state.dataFilePath(), m_loadedOnDisk))
        return true;
    return m_desktop.boxes.confirm(this, kChangedOnDiskQuestion);
}

} // namespace notavi::gui
