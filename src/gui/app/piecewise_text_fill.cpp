#include "gui/app/piecewise_text_fill.h"

#include <QTextCursor>
#include <QTextDocument>

namespace notavi::gui {

PiecewiseTextFill::PiecewiseTextFill(QPlainTextEdit& control) : QObject(&control), m_control(control)
{
    m_nextPiece.setSingleShot(true);
    m_nextPiece.setInterval(0);
    connect(&m_nextPiece, &QTimer::timeout, this, [this] { appendLines(kPieceLines); });
}

void PiecewiseTextFill::start(QString text)
{
    m_nextPiece.stop();
    m_text = std::move(text);
    m_filled = endOfLines(0, kFirstLines);
    m_control.setPlainText(m_filled == m_text.size() ? m_text : m_text.first(m_filled));
    m_documentSize = m_control.document()->characterCount();
    if (m_filled == m_text.size())
        m_text.clear();
    else
        m_nextPiece.start();
}

void PiecewiseTextFill::complete()
{
    if (pending())
        appendLines(-1);
}

// A negative number of lines means all that wait.
void PiecewiseTextFill::appendLines(int lines)
{
    m_nextPiece.stop();
    // Whoever replaced the text in between (a clear, new lines) owns the control now.
    if (m_control.document()->characterCount() != m_documentSize) {
        m_text.clear();
        return;
    }
    const qsizetype end = lines < 0 ? m_text.size() : endOfLines(m_filled + 1, lines);
    QTextCursor cursor(m_control.document());
    cursor.movePosition(QTextCursor::End);
    // The piece starts with the line break after the lines already in.
    cursor.insertText(m_text.sliced(m_filled, end - m_filled));
    m_filled = end;
    m_documentSize = m_control.document()->characterCount();
    if (m_filled == m_text.size())
        m_text.clear();
    else
        m_nextPiece.start();
}

// The position of the line break that ends the given number of lines from `from` (the first
// character of a line), or the end of the text when it has fewer.
qsizetype PiecewiseTextFill::endOfLines(qsizetype from, int lines) const
{
    qsizetype end = from - 1;
    for (int line = 0; line < lines; ++line) {
        end = m_text.indexOf(QLatin1Char('\n'), end + 1);
        if (end < 0)
            return m_text.size();
    }
    return end;
}

} // namespace notavi::gui
