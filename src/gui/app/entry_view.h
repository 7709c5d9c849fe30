#pragma once

// The view of the main window: one line per evaluated entry, each in its colour, with a caret, a
// selection, copying and word wrap. A year view holds some hundred thousand lines, so the text goes
// in as one plain text, filled in pieces after the first screen, and the colours are given to the
// lines only when they come into sight.

#include "core/app/view_position.h"
#include "core/engine/view_entry.h"
#include "gui/app/piecewise_text_fill.h"
#include "gui/app/view_renderer.h"

#include <memory>
#include <vector>

#include <QPlainTextEdit>
#include <QStringList>

namespace notavi::gui {

class EntryView final : public QPlainTextEdit
{
    Q_OBJECT

  public:
    explicit EntryView(QWidget* parent = nullptr);

    // Replaces the text by the entries, the caret at the beginning; with toLastLine (the view of the
    // last four weeks, which ends on the evaluation date) scrolled to the end, the caret at the start
    // of the last line.
    void showEntries(const ViewEntries& entries, const ViewColours& colours, bool toLastLine);

    // Replaces the text by plain lines in one colour (waiting notes, the load failure).
    void showLines(const QStringList& lines, const QColor& colour);

    // Puts the lines still waiting to be filled in at once: before anything reads the whole text or
    // places the caret by line (search, printing, a remembered place).
    void completeText();
    // Whether every line is in the text.
    bool textComplete() const;

    // Colours the shown lines again, the text and the caret untouched.
    void recolour(const ViewColours& colours);

    // The colour the line is painted in.
    QColor lineColour(int line) const;

    // The whole text with each line in its colour, for printing: the view itself keeps its colours
    // out of the document, so that filling it stays cheap.
    std::unique_ptr<QTextDocument> colouredCopy();

    // Where the user stands: the first line in sight, the caret's line and the sort key of its entry.
    ViewPosition position();
    // Back to the remembered day after the view was filled anew; scrollCaret brings the caret into
    // sight afterwards.
    void restorePosition(const ViewPosition& remembered, bool scrollCaret);

  Q_SIGNALS:
    void mousePressed();              // any button
    void changeClicked(bool altHeld); // Ctrl + left click, the caret put on the clicked line
    void addressClicked();            // Alt + left click without Ctrl, likewise
    void deletePressed();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void replaceText(int lineCount, PiecewiseTextFill::LineText lineText);
    QString entryLines(int first, int count) const; // the text of these entries, one per line
    void colourVisibleLines();
    int caretLine() const;
    int firstVisibleLine() const;

    PiecewiseTextFill* m_fill;   // a child
    ViewEntries m_entries;       // what the lines show; empty for plain lines
    std::vector<QRgb> m_colours; // per line
    std::vector<bool> m_coloured;
    bool m_colouring = false; // while colourVisibleLines announces new colours
};

} // namespace notavi::gui
