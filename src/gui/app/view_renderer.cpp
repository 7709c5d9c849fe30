#include "gui/app/view_renderer.h"

#include "gui/platform/colours.h"
#include "gui/platform/text_conversion.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace notavi::gui {
namespace {

// Writes the lines as the blocks of a new document, without an empty block at the end. The
// document is filled apart from the view and handed over whole, so that it is laid out once rather
// than after every line; it keeps no undo history.
template <typename LineOf> void writeLines(QTextEdit& view, int count, LineOf lineOf)
{
    auto* document = new QTextDocument(&view);
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(view.font());
    document->setDocumentMargin(view.document()->documentMargin());
    QTextCursor cursor(document);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            cursor.insertBlock();
        auto [text, colour] = lineOf(i);
        QTextCharFormat format;
        format.setForeground(colour);
        cursor.insertText(text, format);
    }
    // The view's first document belongs to its text control, which deletes it on replacement; the
    // later ones belong to the view and are deleted here.
    QTextDocument* previous = view.document();
    const bool ours = previous->parent() == &view;
    view.setDocument(document);
    if (ours)
        delete previous;
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
        const ViewEntry entry = entries[static_cast<std::size_t>(i)];
        return std::pair{fromCp1252(entry.phrase) + fromCp1252(entry.rest), entryColour(entry, colours)};
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
