#include "gui/dialogs/text_search.h"

#include <QTextCursor>

namespace notavi::gui {

TextSearch::TextSearch(QPlainTextEdit& text, const Desktop& desktop, QString cycleEndMessage)
    : m_text(text), m_desktop(desktop), m_cycleEndMessage(std::move(cycleEndMessage))
{
}

bool TextSearch::continuesCycle(const QString& searchText) const
{
    const QTextCursor selection = m_text.textCursor();
    return searchText == m_lastText && selection.selectionStart() == m_lastMatch &&
           selection.selectionEnd() - selection.selectionStart() == searchText.size();
}

bool TextSearch::find(const QString& searchText, QTextDocument::FindFlags flags)
{
    if (!continuesCycle(searchText)) {
        m_lastMatch = -1;
        m_firstMatch = -1;
        m_lastText = searchText;
    }
    QTextDocument* document = m_text.document();
    const QTextCursor selection = m_text.textCursor();
    const int start = selection.hasSelection() ? selection.selectionEnd() : selection.position();
    QTextCursor match = searchText.isEmpty() ? QTextCursor() : document->find(searchText, start, flags);
    if (match.isNull() && !searchText.isEmpty())
        match = document->find(searchText, 0, flags);
    if (match.isNull()) {
        m_desktop.beeper.play(SystemSound::Warning);
        m_desktop.boxes.information(
            &m_text, QStringLiteral("Die Zeichenkette \"%1\" wurde nicht gefunden.").arg(searchText));
        return false;
    }
    if (match.selectionStart() == m_firstMatch) {
        m_desktop.beeper.play(SystemSound::Warning);
        m_desktop.boxes.information(&m_text, m_cycleEndMessage);
        QTextCursor collapsed = m_text.textCursor();
        collapsed.setPosition(collapsed.selectionEnd());
        m_text.setTextCursor(collapsed);
        return false;
    }
    if (m_firstMatch < 0)
        m_firstMatch = match.selectionStart();
    m_lastMatch = match.selectionStart();
    m_text.setTextCursor(match);
    m_text.ensureCursorVisible();
    if (m_matchSelected)
        m_matchSelected();
    m_text.setFocus();
    return true;
}

} // namespace notavi::gui
