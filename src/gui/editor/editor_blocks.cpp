// Moving through the blocks of the text: the tabs, the empty line for a new appointment and the
// date taken from the calendar into the caret's line.

#include "core/editor/block_jump.h"
#include "core/editor/calendar_date.h"
#include "core/editor/editor_tabs.h"
#include "gui/dialogs/tc_form_datumsberechnung.h"
#include "gui/editor/calendar_panel.h"
#include "gui/editor/editor_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_mirror.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"
#include "gui/platform/text_insertion.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBlock>

namespace notavi::gui {

void TC_FORM_Editor::C_TC_TerminblockChange(int tab, bool withEmptyLine)
{
    if (!m_fileLoaded) {
        selectTabQuietly(kFileStartTab);
        return;
    }
    if (tab == kCheckListTab) {
        C_MItem_AufFehlerUeberpruefenClick();
        return;
    }
    if (checkListShown())
        P_PrueflisteVerlassen();
    const std::optional<TabJump> jump = jumpOfTab(m_mirror->fileLines(), tab);
    if (!jump) {
        P_CursorPos();
        return;
    }
    if (isVisible())
        C_RE_Termin->setFocus();
    C_RE_Termin->appendLinesAsOneEdit(jump->appended);
    const int caretLine = static_cast<int>(jump->caretLine);
    C_RE_Termin->moveCaretToLine(caretLine);
    if (jump->topLine)
        C_RE_Termin->scrollLineToTop(static_cast<int>(*jump->topLine));
    C_RE_Termin->ensureCursorVisible();
    P_CursorPos();
    // The file start is no block: nothing to enter there, and its lines are protected.
    if (withEmptyLine && tab != kFileStartTab)
        C_PSBT_leerzeileClick(true);
}

// An empty line below the caret's line, as one edit; the modified state before it is kept for the
// change dialog, which removes the line again when it is cancelled.
void TC_FORM_Editor::C_PSBT_leerzeileClick(bool withChange)
{
    if (!m_fileLoaded)
        return;
    m_modifiedBeforeEmptyLine = C_RE_Termin->document()->isModified();
    const QTextBlock line = C_RE_Termin->document()->findBlockByNumber(C_RE_Termin->caretLine());
    QTextCursor cursor(line);
    cursor.movePosition(QTextCursor::EndOfBlock);
    C_RE_Termin->setTextCursor(cursor);
    if (isVisible())
        C_RE_Termin->setFocus();
    insertAsOneEdit(*C_RE_Termin, QStringLiteral("\n"));
    P_CursorPos();
    if (withChange)
        C_PSBT_aendernClick(ChangeStart::FreshEmptyLine);
}

// "Termindatum berechnen": the computed date, when asked for, goes to the calendar and from there
// into the current line as a double click on that day would put it.
void TC_FORM_Editor::C_MItem_TermindatumClick()
{
    TC_FORM_Datumsberechnung dialog(m_desktop, DateCalculationTarget::Editor, entryDialogLook(), this);
    const std::optional<DateCalculationOutcome> outcome = dialog.ask(m_entryRun);
    if (!outcome || !outcome->intoEditorLine)
        return;
    const QDate date = toQDate(outcome->date);
    m_calendar->showDate(date);
    C_MCal_KalenderDblClick(date);
}

void TC_FORM_Editor::C_MCal_KalenderDblClick(const QDate& date)
{
    if (!m_buttons[static_cast<std::size_t>(EditorButton::C_PSBT_aendern)]->isEnabled())
        return;
    const int line = C_RE_Termin->caretLine();
    const auto index = static_cast<std::size_t>(line);
    if (index >= lines().size())
        return;
    const std::optional<LineWithCaret> taken =
        takeDateIntoLine(lines()[index], m_caretBlock.block, toDayNumber(date),
                         static_cast<std::size_t>(C_RE_Termin->caretColumn()));
    if (!taken)
        return;
    C_RE_Termin->replaceLineAsOneEdit(line, taken->line, taken->caret);
    if (isVisible())
        C_RE_Termin->setFocus();
    P_CursorPos();
}

} // namespace notavi::gui
