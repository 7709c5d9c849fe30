#pragma once

// Whole lines of the editor's text selected, replaced or removed. Every change is one edit of the
// text control (one undo step, the text marked modified); many lines removed at once go in a single
// replacement of the range they span, so that removing a thousand lines costs no more than one.

#include "core/model/appointment_file.h"

#include <vector>

#include <QString>
#include <QStringList>

namespace notavi::gui {

class EditorTextControl;

// Lines first ... end - 1 selected with their line breaks (the last line of the text without one)
// and scrolled into view.
void selectLines(EditorTextControl& text, int first, int end);

// The selection removed; the caret to the beginning of a line.
void deselectToLine(EditorTextControl& text, int line);

// Lines first ... end - 1 replaced by `lines` as one edit.
void replaceLinesAsOneEdit(EditorTextControl& text, int first, int end, const QStringList& lines);

// The text changed from the lines `before` (as the text holds them now) to `after` as one edit of
// the lines between their common head and tail. A line of `after` that was in that range of `before`
// comes back as the document held it, with characters the file cannot store.
void changeLinesAsOneEdit(EditorTextControl& text, const Lines& before, const Lines& after);

// The lines of the ascending indices removed as one edit; the caret to where the first one stood.
void removeLinesAsOneEdit(EditorTextControl& text, const std::vector<int>& ascending);

} // namespace notavi::gui
