#include "gui/app/editor_command.h"

#include "gui/app/entry_view.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/editor/editor_runner.h"

#include <algorithm>

#include <QAction>
#include <QScrollBar>
#include <QTextBlock>

namespace notavi::gui {
namespace {

// Where the user stands in the view: the first visible line and the caret's line.
struct ViewPlace
{
    int firstVisible = 0;
    int caretLine = 0;
};

ViewPlace placeOf(const QPlainTextEdit& view)
{
    return {view.verticalScrollBar()->value(), view.textCursor().blockNumber()};
}

void restorePlace(QPlainTextEdit& view, const ViewPlace& place)
{
    const int last = std::max(0, view.document()->blockCount() - 1);
    view.setTextCursor(QTextCursor(view.document()->findBlockByNumber(std::min(place.caretLine, last))));
    view.verticalScrollBar()->setValue(place.firstVisible);
    view.ensureCursorVisible();
}

} // namespace

MainEditorCommand::MainEditorCommand(TC_FORM_Haupt& window, const Desktop& desktop, ProgramState& state)
    : m_window(window), m_desktop(desktop), m_state(state)
{
}

void MainEditorCommand::C_MItem_bearbeitenClick()
{
    const LineErrorState messages = m_state.lineErrorState();
    m_state.setLineErrorState(LineErrorState::Show);
    EditorRunner runner(m_desktop, m_state, &m_window);
    runner.setHelpCommand([this] { m_window.C_MItem_NotaviHilfeClick(); });
    runner.setUrlQuestionCommand([this] {
        QAction* option = m_window.action(Command::C_MItem_URLabfrage);
        option->trigger();
        return option->isChecked();
    });
    const bool saved = runner.openModal();
    m_state.setLineErrorState(messages);
    if (!saved && m_state.fileLoaded()) {
        m_window.findChild<EntryView*>(QStringLiteral("C_RE_TerminAnzeige"))->viewport()->update();
        return;
    }
    reloadKeepingPlace();
}

bool MainEditorCommand::runHidden(const std::function<void(TC_FORM_Editor&)>& command)
{
    EditorRunner runner(m_desktop, m_state, &m_window);
    const bool saved = runner.runHidden(command);
    if (saved)
        reloadKeepingPlace();
    else if (m_window.isVisible())
        m_window.findChild<EntryView*>(QStringLiteral("C_RE_TerminAnzeige"))->setFocus();
    return saved;
}

void MainEditorCommand::reloadKeepingPlace()
{
    auto* view = m_window.findChild<EntryView*>(QStringLiteral("C_RE_TerminAnzeige"));
    const ViewPlace place = placeOf(*view);
    m_window.C_MItem_neuladenClick(false);
    view->completeText();
    restorePlace(*view, place);
}

} // namespace notavi::gui
