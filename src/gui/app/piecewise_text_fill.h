#pragma once

// Fills a plain text control with a long text in pieces. A text document takes some microseconds for
// every line it gets, so the year view's hundred thousand lines and more would keep the window from
// painting for half a second: the lines of the first screen go in at once, the rest follows piece by
// piece from the event loop, and all of it at once as soon as something needs the whole text (the
// user's keys and clicks, the search, printing, positions). The text of a piece is made only when
// the piece goes in, so that no copy of the whole text is ever held beside the document.
//
// What the control holds is always the beginning of the text, so that a line's number in the
// control is its number in the text while the rest waits.

#include <chrono>
#include <functional>

#include <QObject>
#include <QPlainTextEdit>
#include <QString>
#include <QTimer>

namespace notavi::gui {

class PiecewiseTextFill final : public QObject
{
  public:
    // Lines put in at once and per piece: the first part covers more than any screen, a piece keeps
    // the window answering between two of them.
    static constexpr int kFirstLines = 1000;
    static constexpr int kPieceLines = 4000;
    // How long a replaced document lives on, so that its deletion comes after the new text's paint.
    static constexpr std::chrono::milliseconds kOldDocumentDelay{100};

    // The lines first ... first + count - 1, separated by '\n'.
    using LineText = std::function<QString(int first, int count)>;

    explicit PiecewiseTextFill(QPlainTextEdit& control);

    // Replaces the control's text by lineCount lines.
    void start(int lineCount, LineText lineText);
    // Puts the rest in at once.
    void complete();

    bool pending() const { return m_filledLines < m_lineCount; }

  private:
    void appendLines(int lines);
    void replaceDocument(const QString& text);

    QPlainTextEdit& m_control;
    LineText m_lineText;
    int m_lineCount = 0;
    int m_filledLines = 0;
    int m_documentSize = 0; // the document's character count after the last piece
    QTimer m_nextPiece;
};

} // namespace notavi::gui
