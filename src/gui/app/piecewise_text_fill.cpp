#include "gui/app/piecewise_text_fill.h"

#include <algorithm>

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
    m_control.setPlainText(m_filledLines > 0 ? m_lineText(0, m_filledLines) : QString());
    m_documentSize = m_control.document()->characterCount();
    if (pending())
        m_nextPiece.start();
    else
        m_nextPiece.stop();
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
