#include "gui/app/entry_view.h"

#include "gui/platform/text_conversion.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace notavi::gui {

EntryView::EntryView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Read-only, but with a caret the user can move to an entry.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    document()->setDocumentMargin(6);
    // Scrolling, resizing and any repaint bring new lines into sight.
    connect(this, &QPlainTextEdit::updateRequest, this, [this] { colourVisibleLines(); });
}

void EntryView::showEntries(const ViewEntries& entries, const ViewColours& colours, bool toLastLine)
{
    m_colours.clear();
    m_colours.reserve(entries.size());
    QString text;
    text.reserve(static_cast<qsizetype>(entries.size()) * 48);
    bool first = true;
    for (const ViewEntry entry : entries) {
        if (!first)
            text += QLatin1Char('\n');
        first = false;
        text += fromCp1252(entry.phrase);
        text += fromCp1252(entry.rest);
        m_colours.push_back(entryColour(entry, colours).rgb());
    }
    replaceText(text);
    if (toLastLine && !entries.empty()) {
        setTextCursor(QTextCursor(document()->lastBlock()));
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        ensureCursorVisible();
    }
}

void EntryView::showLines(const QStringList& lines, const QColor& colour)
{
    m_colours.assign(static_cast<std::size_t>(lines.size()), colour.rgb());
    replaceText(lines.join(QLatin1Char('\n')));
}

QColor EntryView::lineColour(int line) const
{
    if (line < 0 || static_cast<std::size_t>(line) >= m_colours.size())
        return palette().color(QPalette::Text);
    return QColor::fromRgb(m_colours[static_cast<std::size_t>(line)]);
}

void EntryView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    colourVisibleLines();
}

void EntryView::replaceText(const QString& text)
{
    m_coloured.assign(m_colours.size(), false);
    setPlainText(text);
    moveCursor(QTextCursor::Start);
    colourVisibleLines();
}

// Gives each line in sight its colour once, as a format of its layout: the document itself stays
// plain, so that filling it costs no formats per line.
void EntryView::colourVisibleLines()
{
    const qreal bottom = viewport()->height();
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
        document()->markContentsDirty(block.position(), block.length());
    }
}

} // namespace notavi::gui
