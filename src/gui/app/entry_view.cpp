#include "gui/app/entry_view.h"

#include "gui/platform/caret_line.h"
#include "gui/platform/text_conversion.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

namespace notavi::gui {

EntryView::EntryView(QWidget* parent) : QPlainTextEdit(parent), m_fill(new PiecewiseTextFill(*this))
{
    setReadOnly(true);
    // Read-only, but with a caret the user can move to an entry.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setMouseTracking(true);
    document()->setDocumentMargin(6);
    // Scrolling, resizing and any repaint bring new lines into sight.
    connect(this, &QPlainTextEdit::updateRequest, this, [this] { colourVisibleLines(); });
    // A scroll bar moved by the user may head for lines that still wait.
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { completeText(); });
}

void EntryView::showEntries(const ViewEntries& entries, const ViewColours& colours, bool toLastLine)
{
    m_entries = entries;
    m_colours.clear();
    m_colours.reserve(entries.size());
    for (const ViewEntry entry : entries)
        m_colours.push_back(entryColour(entry, colours).rgb());
    replaceText(static_cast<int>(entries.size()),
                [this](int first, int count) { return entryLines(first, count); });
    if (toLastLine && !entries.empty()) {
        completeText();
        setTextCursor(QTextCursor(document()->lastBlock()));
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        ensureCursorVisible();
    }
}

void EntryView::showLines(const QStringList& lines, const QColor& colour)
{
    m_entries.clear();
    m_colours.assign(static_cast<std::size_t>(lines.size()), colour.rgb());
    replaceText(static_cast<int>(lines.size()),
                [lines](int first, int count) { return lines.mid(first, count).join(QLatin1Char('\n')); });
}

QString EntryView::entryLines(int first, int count) const
{
    const auto begin = static_cast<std::size_t>(first);
    const auto end = begin + static_cast<std::size_t>(count);
    QString text;
    text.reserve(static_cast<qsizetype>(count) * 48);
    for (std::size_t line = begin; line < end; ++line) {
        if (line != begin)
            text += QLatin1Char('\n');
        const ViewEntry entry = m_entries[line];
        appendFromCp1252(text, entry.phrase);
        appendFromCp1252(text, entry.rest);
    }
    return text;
}

void EntryView::recolour(const ViewColours& colours)
{
    if (m_entries.empty()) {
        // Plain lines are in the font colour.
        std::fill(m_colours.begin(), m_colours.end(), colours.fontColour.rgb());
    } else {
        for (std::size_t line = 0; line < m_colours.size(); ++line)
            m_colours[line] = entryColour(m_entries[line], colours).rgb();
    }
    // Lines out of sight take their new colour when they come into sight.
    m_coloured.assign(m_colours.size(), false);
    colourVisibleLines();
    viewport()->update();
}

void EntryView::completeText()
{
    m_fill->complete();
}

bool EntryView::textComplete() const
{
    return !m_fill->pending();
}

QColor EntryView::lineColour(int line) const
{
    if (line < 0 || static_cast<std::size_t>(line) >= m_colours.size())
        return palette().color(QPalette::Text);
    return QColor::fromRgb(m_colours[static_cast<std::size_t>(line)]);
}

std::unique_ptr<QTextDocument> EntryView::colouredCopy()
{
    completeText();
    std::unique_ptr<QTextDocument> copy(document()->clone());
    QTextCursor cursor(copy.get());
    cursor.beginEditBlock();
    // One format for each run of lines in the same colour.
    for (QTextBlock block = copy->begin(); block.isValid();) {
        const QColor colour = lineColour(block.blockNumber());
        QTextBlock last = block;
        while (last.next().isValid() && lineColour(last.next().blockNumber()) == colour)
            last = last.next();
        cursor.setPosition(block.position());
        cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(colour);
        cursor.mergeCharFormat(format);
        block = last.next();
    }
    cursor.endEditBlock();
    return copy;
}

int EntryView::caretLine() const
{
    return caretLineOf(textCursor());
}

int EntryView::firstVisibleLine() const
{
    return firstVisibleBlock().blockNumber();
}

ViewPosition EntryView::position()
{
    completeText();
    ViewPosition position{firstVisibleLine(), caretLine(), {}};
    const auto line = static_cast<std::size_t>(position.caretLine);
    if (line < m_entries.size() && lineWrapMode() == QPlainTextEdit::NoWrap)
        position.key = m_entries[line].sortKey();
    return position;
}

void EntryView::restorePosition(const ViewPosition& remembered, bool scrollCaret)
{
    completeText();
    const int lines = document()->blockCount();
    const int caret =
        std::clamp(lineWrapMode() == QPlainTextEdit::NoWrap ? restoredCaretLine(m_entries, remembered)
                                                            : remembered.caretLine,
                   0, lines - 1);
    setTextCursor(QTextCursor(document()->findBlockByNumber(caret)));
    // A plain text edit scrolls by lines: a full screen after the first remembered line keeps it on
    // top, else the view ends at the bottom.
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(0);
    bar->setValue(std::min(remembered.firstVisibleLine, bar->maximum()));
    if (scrollCaret)
        ensureCursorVisible();
    if (window()->isVisible())
        setFocus();
}

void EntryView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    colourVisibleLines();
}

void EntryView::keyPressEvent(QKeyEvent* event)
{
    completeText();
    // The keypad's Del key counts as Delete.
    if (event->key() == Qt::Key_Delete && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT deletePressed();
        event->accept();
        return;
    }
    // Ctrl+R belongs to the menu's word wrap, not to the text control.
    if (event->key() == Qt::Key_R && event->modifiers() == Qt::ControlModifier) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EntryView::mousePressEvent(QMouseEvent* event)
{
    completeText();
    Q_EMIT mousePressed();
    const Qt::KeyboardModifiers keys = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (event->button() == Qt::LeftButton && keys != Qt::NoModifier) {
        // The click puts the caret on the line first, so that the command works on that entry.
        setTextCursor(cursorForPosition(event->position().toPoint()));
        if (keys & Qt::ControlModifier)
            Q_EMIT changeClicked(keys & Qt::AltModifier);
        else
            Q_EMIT addressClicked();
        event->accept();
        return;
    }
    QPlainTextEdit::mousePressEvent(event);
}

void EntryView::mouseMoveEvent(QMouseEvent* event)
{
    if (QToolTip::isVisible())
        QToolTip::hideText();
    QPlainTextEdit::mouseMoveEvent(event);
}

void EntryView::wheelEvent(QWheelEvent* event)
{
    completeText();
    QPlainTextEdit::wheelEvent(event);
}

void EntryView::replaceText(int lineCount, PiecewiseTextFill::LineText lineText)
{
    m_coloured.assign(m_colours.size(), false);
    m_fill->start(lineCount, std::move(lineText));
    moveCursor(QTextCursor::Start);
    colourVisibleLines();
}

// Gives each line in sight its colour once, as a format of its layout: the document itself stays
// plain, so that filling it costs no formats per line. The new colours are announced to the
// document once for all of them: announced line by line, each announcement laid out its line anew
// and asked for the lines in sight again, one level deeper each time (a third of a switch's time).
void EntryView::colourVisibleLines()
{
    if (m_colouring) // the update that the announcement below causes
        return;
    const qreal bottom = viewport()->height();
    QTextBlock first;
    QTextBlock last;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        if (blockBoundingGeometry(block).translated(contentOffset()).top() > bottom)
            break;
        const auto line = static_cast<std::size_t>(block.blockNumber());
        if (line >= m_coloured.size() || m_coloured[line])
            continue;
        m_coloured[line] = true;
        QTextCharFormat format;
        format.setForeground(QColor::fromRgb(m_colours[line]));
        block.layout()->setFormats({QTextLayout::FormatRange{0, block.length(), format}});
        if (!first.isValid())
            first = block;
        last = block;
    }
    if (!first.isValid())
        return;
    const QScopedValueRollback colouring(m_colouring, true);
    document()->markContentsDirty(first.position(), last.position() + last.length() - first.position());
}

} // namespace notavi::gui
