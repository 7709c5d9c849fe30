#include "gui/app/piecewise_text_fill.h"

#include <algorithm>

#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

namespace notavi::gui {

PiecewiseTextFill::PiecewiseTextFill(QPlainTextEdit& control) : QObject(&control), m_control(control)
{
    m_nextPiece.setSingleShot(true);
    m_nextPiece.setInterval(0);
    connect(&m_nextPiece, &QTimer::timeout, this, [this] { appendLines(kPieceLines); });
}

void PiecewiseTextFill::start(int lineCount, LineText lineText)
{
    m_lineText = std::move(lineText);
    m_lineCount = std::max(0, lineCount);
    m_filledLines = std::min(m_lineCount, kFirstLines);
    replaceDocument(m_filledLines > 0 ? m_lineText(0, m_filledLines) : QString());
    m_documentSize = m_control.document()->characterCount();
    if (pending())
        m_nextPiece.start();
    else
        m_nextPiece.stop();
}

// Clearing a document takes about as long as filling it, block by block: the text goes into a new
// document with the old one's settings, and the old one is deleted a moment later, once the window
// has painted the new text (its paint request waits behind every other event).
void PiecewiseTextFill::replaceDocument(const QString& text)
{
    QTextDocument* old = m_control.document();
    auto* fresh = new QTextDocument(&m_control);
    fresh->setUndoRedoEnabled(false);
    fresh->setDefaultFont(old->defaultFont());
    fresh->setDefaultTextOption(old->defaultTextOption());
    fresh->setDocumentMargin(old->documentMargin());
    fresh->setPlainText(text);
    fresh->setDocumentLayout(new QPlainTextDocumentLayout(fresh));
    // The caret's width belongs to the document's layout.
    const int caretWidth = m_control.cursorWidth();
    // Out of the hands of the text control, which would delete its own document at once.
    old->setParent(&m_control);
    m_control.setDocument(fresh);
    m_control.setCursorWidth(caretWidth);
    QTimer::singleShot(kOldDocumentDelay, &m_control, [old = QPointer<QTextDocument>(old)] { delete old; });
}

void PiecewiseTextFill::complete()
{
    if (pending())
        appendLines(m_lineCount);
}

void PiecewiseTextFill::appendLines(int lines)
{
    m_nextPiece.stop();
    // Whoever replaced the text in between (a clear, new lines) owns the control now.
    if (m_control.document()->characterCount() != m_documentSize) {
        m_lineCount = m_filledLines;
        return;
    }
    const int count = std::min(lines, m_lineCount - m_filledLines);
    QTextCursor cursor(m_control.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QLatin1Char('\n') + m_lineText(m_filledLines, count));
    m_filledLines += count;
    m_documentSize = m_control.document()->characterCount();
    if (pending())
        m_nextPiece.start();
}

} // namespace notavi::gui
