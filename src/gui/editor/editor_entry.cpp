// New and changed appointments through the entry dialog: the composed line goes into the text as one
// edit of the user's (undo and the modified state see it; the clipboard is never used), a new line
// as the first line of its block, a changed one in place of the old.

#include "core/dialogs/entry_line_decompose.h"
#include "core/editor/editor_tabs.h"
#include "core/model/block_catalogue.h"
#include "gui/dialogs/tc_form_teingabe.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_mirror.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/settings_conversion.h"
#include "gui/platform/text_conversion.h"

#include <QTextBlock>

namespace notavi::gui {

// Centred over the editor and in the colours of its text while it is on the screen, else over the
// main window and in the colours of its view.
DialogLook TC_FORM_Editor::entryDialogLook() const
{
    const Settings& settings = m_state.settings();
    const bool follow = settings.main.dialogsFollowView;
    if (isVisible())
        return {this,
                {follow, toQColor(settings.editor.background.effective()),
                 toQColor(settings.editor.font.colour)}};
    return {m_owner,
            {follow, toQColor(settings.main.background.effective()), toQColor(settings.main.font.colour)}};
}

void TC_FORM_Editor::C_PSBT_neuClick()
{
    if (!m_fileLoaded)
        return;
    P_CursorPos();
    const int preset = m_caretBlock.block >= 0 ? m_caretBlock.block : static_cast<int>(BlockKind::OneTime);
    TC_FORM_TEingabe dialog(m_desktop, entryDialogLook(), this);
    dialog.setModalRun(m_entryRun);
    const std::optional<std::string> line = dialog.askNewLine(preset);
    if (line) {
        // The tab change leaves the caret on the block's header, appending the block when missing;
        // the line then joins that edit, so that one undo takes back both.
        const int tab = tabOfBlock(dialog.readForm().block);
        const int linesBefore = C_RE_Termin->document()->blockCount();
        selectTabQuietly(tab);
        C_TC_TerminblockChange(tab);
        const bool blockAppended = C_RE_Termin->document()->blockCount() != linesBefore;
        QTextCursor cursor(C_RE_Termin->document()->findBlockByNumber(C_RE_Termin->caretLine()));
        cursor.movePosition(QTextCursor::EndOfBlock);
        if (blockAppended)
            cursor.joinPreviousEditBlock();
        else
            cursor.beginEditBlock();
        cursor.insertText(QStringLiteral("\n") + fromCp1252(*line));
        cursor.endEditBlock();
        C_RE_Termin->setTextCursor(cursor);
        C_RE_Termin->ensureCursorVisible();
    } else {
        // Cancelled: the caret stays where the selection began, the selection goes.
        QTextCursor caret = C_RE_Termin->textCursor();
        caret.setPosition(caret.selectionStart());
        C_RE_Termin->setTextCursor(caret);
    }
    if (isVisible())
        C_RE_Termin->setFocus();
    P_CursorPos();
}

void TC_FORM_Editor::C_PSBT_aendernClick(ChangeStart start)
{
    if (!m_fileLoaded)
        return;
    P_CursorPos();
    const int lineNumber = C_RE_Termin->caretLine();
    const auto index = static_cast<std::size_t>(lineNumber);
    if (m_caretBlock.block < 0 || index >= lines().size())
        return;
    const std::string oldLine = lines()[index];
    const QTextBlock line = C_RE_Termin->document()->findBlockByNumber(lineNumber);
    QTextCursor selection(line);
    selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    C_RE_Termin->setTextCursor(selection);
    C_RE_Termin->ensureCursorVisible();

    TC_FORM_TEingabe dialog(m_desktop, entryDialogLook(), this);
    dialog.setModalRun(m_entryRun);
    const std::optional<std::string> changed = dialog.askChangedLine(m_caretBlock.block, oldLine);
    if (changed) {
        C_RE_Termin->replaceLineAsOneEdit(lineNumber, *changed, changed->size());
    } else {
        C_RE_Termin->moveCaretToLine(lineNumber);
        // An empty line that was inserted to be filled in goes again when nothing came of it.
        if (start != ChangeStart::Button && isBlankEntryLine(oldLine))
            removeBlankCaretLine(start == ChangeStart::FreshEmptyLine);
    }
    if (isVisible())
        C_RE_Termin->setFocus();
    P_CursorPos();
}

// The caret's (blank) line removed, the caret at the end of the line above. Only a line the
// empty-line command has just inserted gives the text back its modified state from before: after
// any other edit the text stays modified, so that closing still offers to save that edit.
void TC_FORM_Editor::removeBlankCaretLine(bool restoreModified)
{
    const QTextBlock line = C_RE_Termin->document()->findBlockByNumber(C_RE_Termin->caretLine());
    const QTextBlock above = line.previous();
    if (!above.isValid())
        return;
    QTextCursor cursor(above);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.setPosition(line.position() + line.length() - 1, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    C_RE_Termin->setTextCursor(cursor);
    if (restoreModified)
        C_RE_Termin->document()->setModified(m_modifiedBeforeEmptyLine);
    updateSaveAndUndo();
}

} // namespace notavi::gui
