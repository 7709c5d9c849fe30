#include "gui/editor/editor_text.h"

#include "gui/platform/caret_line.h"
#include "gui/platform/text_conversion.h"
#include "gui/platform/text_insertion.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace notavi::gui {
namespace {

QString joined(const Lines& lines)
{
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += fromCp1252(lines[i]);
    }
    return text;
}

// The UTF-16 position of a character counted in code points (a character outside the basic plane
// takes two positions in the line but one byte in the file).
int utf16Position(const QString& line, std::size_t codePoints)
{
    int position = 0;
    for (std::size_t i = 0; i < codePoints && position < line.size(); ++i)
        position += line.at(position).isHighSurrogate() && position + 1 < line.size() ? 2 : 1;
    return position;
}

} // namespace

EditorTextControl::EditorTextControl(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(true);
}

void EditorTextControl::showLines(const Lines& lines)
{
    setPlainText(joined(lines));
    document()->setModified(false);
}

std::vector<QString> EditorTextControl::documentLines() const
{
    std::vector<QString> lines;
    lines.reserve(static_cast<std::size_t>(document()->blockCount()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text());
    if (lines.size() == 1 && lines.front().isEmpty())
        lines.clear();
    return lines;
}

int EditorTextControl::caretLine() const
{
    return caretLineOf(textCursor());
}

int EditorTextControl::caretColumn() const
{
    return textCursor().positionInBlock();
}

int EditorTextControl::selectionStartLine() const
{
    return document()->findBlock(textCursor().selectionStart()).blockNumber();
}

void EditorTextControl::moveCaretToLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 0, document()->blockCount() - 1));
    QTextCursor cursor(block);
    setTextCursor(cursor);
}

void EditorTextControl::scrollLineToTop(int line)
{
    verticalScrollBar()->setValue(line);
}

void EditorTextControl::appendLinesAsOneEdit(const Lines& lines)
{
    if (lines.empty())
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const bool emptyText = document()->blockCount() == 1 && document()->begin().text().isEmpty();
    setTextCursor(cursor);
    insertAsOneEdit(*this, (emptyText ? QString() : QStringLiteral("\n")) + joined(lines));
}

void EditorTextControl::replaceLineAsOneEdit(int line, std::string_view newLine, std::size_t caret)
{
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    // Compared as the file's bytes, one per character: a character the file cannot store stands as
    // "?" on both sides and is kept from the document where the line keeps it.
    const QString oldText = block.text();
    const std::string oldLine = toCp1252(oldText);
    std::size_t head = 0;
    while (head < oldLine.size() && head < newLine.size() && oldLine[head] == newLine[head])
        ++head;
    std::size_t tail = 0;
    while (tail < oldLine.size() - head && tail < newLine.size() - head &&
           oldLine[oldLine.size() - 1 - tail] == newLine[newLine.size() - 1 - tail])
        ++tail;
    const int from = utf16Position(oldText, head);
    const int to = utf16Position(oldText, oldLine.size() - tail);
    const QString middle = fromCp1252(newLine.substr(head, newLine.size() - head - tail));
    QTextCursor cursor(document());
    cursor.setPosition(block.position() + from);
    cursor.setPosition(block.position() + to, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    insertAsOneEdit(*this, middle);
    const QTextBlock changed = document()->findBlockByNumber(line);
    cursor.setPosition(changed.position() + utf16Position(changed.text(), caret));
    setTextCursor(cursor);
}

void EditorTextControl::keyReleaseEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        Q_EMIT keyReleased(event->key(), event->modifiers());
}

void EditorTextControl::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    Q_EMIT mousePressed(event->button(), event->modifiers());
}

} // namespace notavi::gui
