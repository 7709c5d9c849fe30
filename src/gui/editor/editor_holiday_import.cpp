#include "gui/editor/editor_holiday_import.h"

#include "core/editor/editor_tabs.h"
#include "core/editor/holiday_import_messages.h"
#include "core/model/block_catalogue.h"
#include "gui/dialogs/holiday_import_steps.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>

namespace notavi::gui {
namespace {

QString joinedForText(const Lines& lines)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << fromCp1252(line);
    return texts.join(QLatin1Char('\n'));
}

// Lines inserted so that they begin at line `at` (a line after the last one appends them).
void insertLines(QTextCursor& cursor, int at, const Lines& lines)
{
    QTextDocument* document = cursor.document();
    if (at < document->blockCount()) {
        cursor.setPosition(document->findBlockByNumber(at).position());
        cursor.insertText(joinedForText(lines) + QLatin1Char('\n'));
        return;
    }
    cursor.movePosition(QTextCursor::End);
    const bool empty = document->characterCount() <= 1;
    cursor.insertText((empty ? QString() : QStringLiteral("\n")) + joinedForText(lines));
}

// The missing block and the new holidays as a single step of the text's undo.
void applyAsOneEdit(EditorTextControl& text, const HolidayEdit& edit)
{
    QTextCursor cursor(text.document());
    cursor.beginEditBlock();
    if (!edit.appendedBlock.empty())
        insertLines(cursor, text.document()->blockCount(), edit.appendedBlock);
    if (!edit.merge.inserted.empty())
        insertLines(cursor, static_cast<int>(edit.merge.insertAt), edit.merge.inserted);
    cursor.endEditBlock();
}

} // namespace

EditorHolidayImport::EditorHolidayImport(TC_FORM_Editor& editor, const Desktop& desktop, ProgramState& state,
                                         TC_Form_Eingabe& options)
    : m_editor(editor), m_desktop(desktop), m_state(state), m_options(options)
{
}

void EditorHolidayImport::C_MItem_FerienImportierenClick()
{
    const std::optional<HolidayImportRequest> request =
        askHolidayImport(&m_editor, m_desktop, m_state, m_options);
    if (!request)
        return;
    const HolidayEdit edit =
        planHolidayImport(m_editor.lines(), request->candidates, askAtDuplicate(&m_editor, m_desktop));
    applyAsOneEdit(m_editor.text(), edit);
    // The header of the block the holidays went into, as the tab shows it.
    m_editor.C_TC_TerminblockChange(tabOfBlock(static_cast<int>(BlockKind::SchoolHolidays)));
    if (!edit.merge.inserted.empty())
        m_editor.text().moveCaretToLine(static_cast<int>(edit.merge.insertAt) - 1);

    const std::string shownName = holidayFileShownName(request->fileName);
    const std::size_t count = edit.merge.inserted.size();
    offerHolidayFileDeletion(&m_editor, m_desktop, m_state.files(), request->fileName,
                             count == 0 ? noHolidaysImportedQuestion(shownName)
                                        : holidaysAddedInEditorQuestion(count, shownName));
}

} // namespace notavi::gui
