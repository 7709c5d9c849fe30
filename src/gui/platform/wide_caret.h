#pragma once

// The wide caret of the view and the editor's text: a third of the font's height wide while the
// option is on and nothing is selected (over a selection it would hide the selection's end).

#include <algorithm>

#include <QPlainTextEdit>

namespace notavi::gui {

inline void showCaret(QPlainTextEdit& text, bool wideOption)
{
    const bool wide = wideOption && !text.textCursor().hasSelection();
    text.setCursorWidth(wide ? std::max(1, text.fontMetrics().height() / 3) : 1);
}

} // namespace notavi::gui
