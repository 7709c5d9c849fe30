// The editor's tools over the text: sorting, deleting at the caret, expired and deactivated
// appointments. Each works in its own controller; the window hands it the text and the desktop.

#include "gui/editor/deletion_tool.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/editor_tool_host.h"
#include "gui/editor/expired_tool.h"
#include "gui/editor/reactivation_tool.h"
#include "gui/editor/sort_tool.h"
#include "gui/editor/tc_form_editor.h"

namespace notavi::gui {

EditorToolHost TC_FORM_Editor::toolHost()
{
    return {*this, *C_RE_Termin, lines(), m_desktop};
}

void TC_FORM_Editor::afterTool()
{
    if (isVisible())
        C_RE_Termin->setFocus();
    P_CursorPos();
}

void TC_FORM_Editor::C_MItem_SortierenClick()
{
    if (!m_fileLoaded)
        return;
    const EditorToolHost host = toolHost();
    SortTool(host).run();
    afterTool();
}

void TC_FORM_Editor::C_PSBT_loeschenClick()
{
    if (!m_fileLoaded)
        return;
    if (isVisible() || !m_referenceDay)
        m_referenceDay = m_desktop.clock.today();
    const EditorToolHost host = toolHost();
    DeletionTool(host).run(*m_referenceDay);
    afterTool();
}

void TC_FORM_Editor::C_MItem_VerstricheneClick(bool interactive)
{
    if (!m_fileLoaded)
        return;
    const EditorToolHost host = toolHost();
    if (interactive)
        ExpiredTool(host).runInteractive(m_desktop.clock.today());
    else
        ExpiredTool(host).runAutomatic(m_desktop.clock.today(), m_state.settings().extras.deletionPeriodDays);
    afterTool();
}

void TC_FORM_Editor::C_MItem_AktivierenClick()
{
    if (!m_fileLoaded)
        return;
    const EditorToolHost host = toolHost();
    ReactivationTool(host).run();
    afterTool();
}

} // namespace notavi::gui
