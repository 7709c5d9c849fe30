#pragma once

// The editor's text control and the few ways the program changes its text: every change goes
// through the control's cursor as one edit, so that it can be undone and marks the text modified.

#include "core/model/appointment_file.h"

#include <string_view>
#include <vector>

#include <QPlainTextEdit>
#include <QString>

namespace notavi::gui {

// The text control of the appointment file: plain text without wrapping, its caret widened on
// request.
class EditorTextControl final : public QPlainTextEdit
{
    Q_OBJECT

  public:
    explicit EditorTextControl(QWidget* parent = nullptr);

    // Replaces the whole text (no undo step), the caret at the beginning, the text unmodified.
    void showLines(const Lines& lines);

    // The lines as the document holds them (not as toPlainText gives them, which turns the
    // no-break spaces of the file into blanks).
    std::vector<QString> documentLines() const;

    int caretLine() const;
    int caretColumn() const;
    // The line of the selection's first character.
    int selectionStartLine() const;

    // The caret to the beginning of a line, without scrolling.
    void moveCaretToLine(int line);
    // The line as the first visible one, where the text allows it.
    void scrollLineToTop(int line);

    // Lines appended at the end of the text as one edit.
    void appendLinesAsOneEdit(const Lines& lines);
    // A line replaced as one edit by a new text (Windows-1252); the characters the new line keeps
    // at its start and end are left alone, so that whatever else the line holds survives. The caret
    // then stands after `caret` characters of the new line.
    void replaceLineAsOneEdit(int line, std::string_view newLine, std::size_t caret);

  Q_SIGNALS:
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace notavi::gui
