#pragma once

// Writes the evaluated entries into the view: one line per entry in its colour.

#include "core/engine/view_entry.h"
#include "core/model/block_catalogue.h"

#include <array>

#include <QColor>
#include <QStringList>

class QTextEdit;

namespace notavi::gui {

struct ViewColours
{
    std::array<int, kBlockCount> blockColours{}; // colour code per block, 0 = none
    QColor fontColour;                           // the view's font colour
};

// The entry's own colour, else its block's colour, else the view's font colour.
QColor entryColour(const ViewEntry& entry, const ViewColours& colours);

// Replaces the view's text by the entries, the caret at the beginning; with toLastLine (the view of
// the last four weeks, which ends on the evaluation date) scrolled to the end, the caret at the start
// of the last line.
void renderEntries(QTextEdit& view, const ViewEntries& entries, const ViewColours& colours, bool toLastLine);

// Replaces the view's text by plain lines in the font colour (waiting notes, the load failure).
void showPlainLines(QTextEdit& view, const QStringList& lines, const QColor& colour);

} // namespace notavi::gui
