#include "gui/editor/editor_search.h"

#include "gui/dialogs/find_dialog.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/editor/editor_text.h"

#include <algorithm>

#include <QTextBlock>

namespace notavi::gui {
namespace {

// The line number asked for becomes the sixth visible line where the text allows it.
constexpr int kLinesAboveTarget = 5;

} // namespace

EditorSearch::EditorSearch(QWidget& editor, EditorTextControl& text, const Desktop& desktop,
                           TC_Form_Eingabe& lineQuestion, std::function<void()> searched,
                           std::function<void()> matchSelected)
    : QObject(&editor), m_text(text), m_searched(std::move(searched)),
      m_search(text, desktop, QStringLiteral("Der Suchvorgang innerhalb der Ansicht ist abgeschlossen.")),
      m_dialog(new FindDialog(QStringLiteral("C_FindDialog_Editor"), &editor)), m_lineQuestion(lineQuestion)
{
    m_search.setMatchSelected(std::move(matchSelected));
    connect(m_dialog, &FindDialog::findRequested, this, &EditorSearch::find);
}

void EditorSearch::C_MItem_SuchenNachClick()
{
    m_dialog->showBesideOwner();
}

void EditorSearch::C_MItem_WeitersuchenClick()
{
    find();
}

void EditorSearch::find()
{
    if (m_searched)
        m_searched();
    m_search.find(m_dialog->searchText(), m_dialog->flags());
}

void EditorSearch::C_MItem_GeheZuClick()
{
    int line = 0;
    if (!m_lineQuestion.askLineNumber(line))
        return;
    const int lineCount = m_text.document()->blockCount();
    line = std::clamp(line, 1, lineCount + 1);
    if (line > lineCount) {
        // The line after the last one begins at the end of the text.
        QTextCursor end(m_text.document());
        end.movePosition(QTextCursor::End);
        m_text.setTextCursor(end);
    } else {
        m_text.moveCaretToLine(line - 1);
    }
    m_text.scrollLineToTop(std::max(0, line - 1 - kLinesAboveTarget));
    m_text.ensureCursorVisible();
}

} // namespace notavi::gui
