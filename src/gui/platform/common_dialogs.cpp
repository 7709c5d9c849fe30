#include "gui/platform/common_dialogs.h"

#include "gui/platform/font_colour_dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace notavi::gui {
namespace {

std::optional<QString> chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QString startPath(const FileQuestion& question)
{
    if (question.fileName.isEmpty())
        return question.folder;
    if (question.folder.isEmpty())
        return question.fileName;
    return question.folder + QLatin1Char('/') + question.fileName;
}

} // namespace

std::optional<QString> QtCommonDialogs::openFile(QWidget* parent, const FileQuestion& question)
{
    return chosen(QFileDialog::getOpenFileName(parent, question.title, startPath(question), question.filter));
}

std::optional<QString> QtCommonDialogs::saveFile(QWidget* parent, const FileQuestion& question)
{
    return chosen(QFileDialog::getSaveFileName(parent, question.title, startPath(question), question.filter));
}

std::optional<FontChoice> QtCommonDialogs::font(QWidget* parent, const FontChoice& initial,
                                                const QString& title)
{
    FontColourDialog dialog(initial.font, initial.colour, title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{dialog.chosenFont(), dialog.chosenColour()};
}

std::optional<QColor> QtCommonDialogs::colour(QWidget* parent, const QColor& initial, const QString& title)
{
    const QColor colour = QColorDialog::getColor(initial, parent, title);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

bool QtCommonDialogs::setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace notavi::gui
