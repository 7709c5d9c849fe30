#pragma once

// The editor's text as the core reads it: one Windows-1252 line per text block, kept in step with
// every change of the document, so that asking the block of the caret's line costs the lines of
// that block only, never a copy of the whole text per keystroke. Characters the file cannot store
// stand as "?" here; saving reads the document itself.

#include "core/model/appointment_file.h"

#include <QObject>

class QTextDocument;

namespace notavi::gui {

class LineMirror final : public QObject
{
    Q_OBJECT

  public:
    explicit LineMirror(QTextDocument& document, QObject* parent = nullptr);

    const Lines& lines() const { return m_lines; }

    // The text as the file holds it: a document of one empty block is a file without lines.
    Lines fileLines() const;

  private:
    void follow(int position, int removed, int added);
    void rebuild();

    QTextDocument& m_document;
    Lines m_lines;
};

} // namespace notavi::gui
