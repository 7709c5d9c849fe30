#include "support/scripted_dialogs.h"

#include <QPrinter>

namespace notavi::gui::test {

std::optional<QString> ScriptedCommonDialogs::nextFile()
{
    if (files.empty())
        return std::nullopt;
    const QString file = files.front();
    files.pop_front();
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<FontChoice> ScriptedCommonDialogs::font(QWidget*, const FontChoice& initial,
                                                      const QString& title)
{
    asked.append(title);
    if (fonts.empty())
        return std::nullopt;
    FontChoice choice{fonts.front(), initial.colour};
    fonts.pop_front();
    if (!fontColours.empty()) {
        choice.colour = fontColours.front();
        fontColours.pop_front();
    }
    return choice;
}

std::optional<QColor> ScriptedCommonDialogs::colour(QWidget*, const QColor&, const QString& title)
{
    asked.append(title);
    if (colours.empty())
        return std::nullopt;
    const QColor colour = colours.front();
    colours.pop_front();
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

bool ScriptedCommonDialogs::setUpPrinter(QWidget*, QPrinter& printer, const QString& title)
{
    asked.append(title);
    if (pdfFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return true;
}

} // namespace notavi::gui::test
