#pragma once

// Common dialogs answered by the test: each question takes the next prepared answer (or a cancel
// when none is left) and is recorded.

#include "gui/platform/common_dialogs.h"

#include <deque>

#include <QStringList>

namespace notavi::gui::test {

class ScriptedCommonDialogs final : public CommonDialogs
{
  public:
    std::optional<QString> openFile(QWidget*, const FileQuestion& question) override
    {
        asked.append(question.title);
        return nextFile();
    }

    std::optional<QString> saveFile(QWidget*, const FileQuestion& question) override
    {
        asked.append(question.title);
        return nextFile();
    }

    std::optional<FontChoice> font(QWidget*, const FontChoice& initial, const QString& title) override;
    std::optional<QColor> colour(QWidget*, const QColor&, const QString& title) override;

    bool setUpPrinter(QWidget*, QPrinter& printer, const QString& title) override;

    // The answers in order; an empty file name or an invalid colour is a cancel, and so is a
    // question without an answer left.
    std::deque<QString> files;
    std::deque<QFont> fonts;
    std::deque<QColor> fontColours; // with the next fonts; the colour stays as it was without one
    std::deque<QColor> colours;
    QString pdfFile;   // where the next print goes; empty: the print is cancelled
    QStringList asked; // the titles of the dialogs in the order they were shown

  private:
    std::optional<QString> nextFile();
};

} // namespace notavi::gui::test
