#include "gui/app/view_renderer.h"

#include "gui/platform/colours.h"
#include "gui/platform/text_conversion.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace notavi::gui {
namespace {

// Appends lines as blocks of one document, without an empty block at the end.
template <typename LineOf> void writeLines(QTextEdit& view, int count, LineOf lineOf)
{
    view.setUpdatesEnabled(false);
    view.clear();
    QTextCursor cursor(view.document());
    cursor.beginEditBlock();
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            cursor.insertBlock();
        auto [text, colour] = lineOf(i);
        QTextCharFormat format;
        format.setForeground(colour);
        cursor.setCharFormat(format);
        cursor.insertText(text, format);
    }
    cursor.endEditBlock();
    view.setUpdatesEnabled(true);
    view.moveCursor(QTextCursor::Start);
    view.ensureCursorVisible();
}

} // namespace

QColor entryColour(const ViewEntry& entry, const ViewColours& colours)
{
    if (entry.colour != 0)
        return colourOfCodeQt(entry.colour);
    const int block = entry.block < kBlockCount ? colours.blockColours[entry.block] : 0;
    if (block != 0)
        return colourOfCodeQt(block);
    return colours.fontColour;
}

void renderEntries(QTextEdit& view, const ViewEntries& entries, const ViewColours& colours, bool toLastLine)
{
    writeLines(view, static_cast<int>(entries.size()), [&](int i) {
        const ViewEntry& entry = entries[static_cast<std::size_t>(i)];
        return std::pair{fromCp1252(entry.text), entryColour(entry, colours)};
    });
    if (toLastLine && !entries.empty()) {
        QTextCursor cursor(view.document()->lastBlock());
        view.setTextCursor(cursor);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        view.ensureCursorVisible();
    }
}

void showPlainLines(QTextEdit& view, const QStringList& lines, const QColor& colour)
{
    writeLines(view, static_cast<int>(lines.size()), [&](int i) { return std::pair{lines[i], colour}; });
}

} // namespace notavi::gui
