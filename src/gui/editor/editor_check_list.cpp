// The check list: the view evaluation's error check pass over the editor's text, its entries in
// place of the text, and the jump from an entry to its line. The text is cleaned first and takes the
// repairs of the block structure the pass makes (a missing end line), each as one edit.

#include "core/editor/editor_tabs.h"
#include "core/editor/text_cleanup.h"
#include "core/engine/view_evaluator.h"
#include "gui/editor/check_list_entry.h"
#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_mirror.h"
#include "gui/editor/line_range_edits.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

namespace notavi::gui {
namespace {

using Cmd = EditorCommand;

// The errors of the text; `repaired` takes the repairs the pass makes to the block structure.
QStringList checkListEntries(const Lines& text, Lines& repaired, const Clock& clock)
{
    Lines evaluated = text;
    repaired = text;
    DisplayOptions options;
    CollectingLineErrorSink sink;
    Alarms alarms;
    const EvaluationContext context{options, clock, sink, alarms, &repaired};
    evaluateView(evaluated, context, clock.today(), 0, EvaluationPass::ErrorCheck);
    QStringList entries;
    for (const LineError& error : sink.errors)
        entries << fromCp1252(lineErrorCheckListText(error));
    return entries;
}

// The block tab whose caption (after its "&") begins like the block name, compared exactly.
int tabOfBlockName(const QString& blockName)
{
    const QString code = blockName.left(3);
    for (int tab = kFileStartTab + 1; tab < kCheckListTab; ++tab)
        if (!code.isEmpty() && fromCp1252(editorTabCaption(tab)).mid(1, 3) == code)
            return tab;
    return kFileStartTab;
}

} // namespace

void TC_FORM_Editor::C_MItem_AufFehlerUeberpruefenClick()
{
    if (!m_fileLoaded || checkListShown())
        return;
    {
        Lines cleaned = lines();
        if (cleanUpText(cleaned))
            changeLinesAsOneEdit(*C_RE_Termin, Lines(lines()), cleaned);
    }
    Lines repaired;
    const QStringList entries = checkListEntries(lines(), repaired, m_desktop.clock);
    changeLinesAsOneEdit(*C_RE_Termin, Lines(lines()), repaired);

    m_checkList->show(entries);
    C_RE_Termin->hide();
    selectTabQuietly(kCheckListTab);
    P_Bearbeitung_freigeben(false);
    for (const Cmd command : {Cmd::C_MItem_AllesMarkieren, Cmd::C_MItem_Rueckgaengig, Cmd::C_MItem_Kopieren,
                              Cmd::C_MItem_Einfuegen, Cmd::C_MItem_Ausschneiden, Cmd::C_MItem_Weitersuchen})
        action(command)->setEnabled(false);
    C_SBAR_Editor->showMessage(kCheckListStatus);
    C_SBAR_Editor->setToolTip(QString());
    if (isVisible())
        m_checkList->list().setFocus();
}

void TC_FORM_Editor::P_PrueflisteVerlassen()
{
    m_checkList->hide();
    C_RE_Termin->show();
    C_SBAR_Editor->setToolTip(kStatusHint);
    action(Cmd::C_MItem_AllesMarkieren)->setEnabled(true);
    P_Bearbeitung_freigeben(true);
}

void TC_FORM_Editor::C_LSBX_FehlerDblClick(bool withChange)
{
    const std::optional<CheckListTarget> target = checkListTarget(m_checkList->selectedEntry());
    if (!checkListShown() || !target)
        return;
    P_PrueflisteVerlassen();
    const int tab = tabOfBlockName(target->blockName);
    selectTabQuietly(tab);
    if (tab != kFileStartTab)
        C_TC_TerminblockChange(tab);
    C_RE_Termin->moveCaretToLine(target->line - 1);
    C_RE_Termin->ensureCursorVisible();
    P_CursorPos();
    if (isVisible())
        C_RE_Termin->setFocus();
    // Through the button, so that the line opens in whatever "Termin ändern" runs.
    QPushButton* change = m_buttons[static_cast<std::size_t>(EditorButton::C_PSBT_aendern)];
    if (withChange && change->isEnabled())
        change->click();
}

} // namespace notavi::gui
