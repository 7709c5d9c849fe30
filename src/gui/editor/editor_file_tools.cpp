// The editor's tools that do not depend on the block structure: backups, search and "Gehe zu", the
// school-holiday import and the mail asking for a holiday file, the web address of the caret's line
// and printing.

#include "gui/app/document_printing.h"
#include "gui/app/web_address_command.h"
#include "gui/dialogs/holiday_import_steps.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/editor/check_list_entry.h"
#include "gui/editor/check_list_panel.h"
#include "gui/editor/check_list_printing.h"
#include "gui/editor/editor_backups.h"
#include "gui/editor/editor_holiday_import.h"
#include "gui/editor/editor_search.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"

#include <functional>

#include <QAction>

namespace notavi::gui {
namespace {

using Cmd = EditorCommand;

const QString kNoAddressMessage =
    QStringLiteral("In der aktuellen Zeile konnte keine Internetadresse gefunden werden.");

} // namespace

void TC_FORM_Editor::connectToolCommands()
{
    // One input dialog for "Gehe zu" and the import options, living as long as the editor.
    auto* input = new TC_Form_Eingabe(m_desktop.boxes, this);
    auto* search = new EditorSearch(
        *this, *C_RE_Termin, m_desktop, *input,
        [this] {
            m_searchDone = true;
            action(Cmd::C_MItem_Weitersuchen)->setEnabled(m_fileLoaded);
        },
        [this] { showSelectionStart(); });
    const std::pair<Cmd, std::function<void()>> handlers[] = {
        {Cmd::C_MItem_SicherungErstellen,
         [this] { EditorBackups(*this, m_desktop, m_state).C_MItem_SicherungErstellenClick(); }},
        {Cmd::C_MItem_SicherungWiederherstellen,
         [this] { EditorBackups(*this, m_desktop, m_state).C_MItem_SicherungWiederherstellenClick(); }},
        {Cmd::C_MItem_SuchenNach, [search] { search->C_MItem_SuchenNachClick(); }},
        {Cmd::C_MItem_Weitersuchen, [search] { search->C_MItem_WeitersuchenClick(); }},
        {Cmd::C_MItem_GeheZu, [search] { search->C_MItem_GeheZuClick(); }},
        {Cmd::C_MItem_FerienImportieren,
         [this, input] {
             EditorHolidayImport(*this, m_desktop, m_state, *input).C_MItem_FerienImportierenClick();
         }},
        {Cmd::C_MItem_FerienAnfordern, [this] { requestHolidayFileByMail(this, m_desktop); }},
        {Cmd::C_MItem_URL,
         [this] {
             // While the check list is shown, its selected entry, which quotes the faulty line.
             const QString line =
                 checkListShown() ? m_checkList->selectedEntry() : caretLineText(*C_RE_Termin);
             openWebAddressOfLine(this, m_desktop,
                                  {line, action(Cmd::C_MItem_URLabfrage)->isChecked(), kNoAddressMessage});
             P_Caret();
         }},
        {Cmd::C_MItem_Drucken,
         [this] {
             if (checkListShown())
                 printCheckList(this, m_desktop, m_checkList->list());
             else
                 printDocument(this, m_desktop, *C_RE_Termin->document(), QStringLiteral("Notavi.dat"));
         }},
    };
    for (const auto& [command, handler] : handlers)
        connect(action(command), &QAction::triggered, this, handler);
    // Alt and the left button open the web address of the line clicked.
    connect(C_RE_Termin, &EditorTextControl::mousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                if (button == Qt::LeftButton && (modifiers & Qt::AltModifier) &&
                    !(modifiers & Qt::ControlModifier))
                    action(Cmd::C_MItem_URL)->trigger();
            });
    connect(m_checkList, &CheckListPanel::webAddressRequested, this,
            [this] { action(Cmd::C_MItem_URL)->trigger(); });
}

} // namespace notavi::gui
