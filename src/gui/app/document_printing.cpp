#include "gui/app/document_printing.h"

#include <memory>

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextDocument>

namespace notavi::gui {
namespace {

constexpr double kLeftTopMargin = 250;     // printer device units
constexpr double kRightBottomMargin = 200; // printer device units

} // namespace

bool printDocument(QWidget* parent, const Desktop& desktop, const QTextDocument& document,
                   const QString& jobTitle)
{
    // A copy, so that laying the text out on the page leaves the window's document as it is.
    return printDocument(
        parent, desktop, [&document] { return std::unique_ptr<QTextDocument>(document.clone()); }, jobTitle);
}

bool printDocument(QWidget* parent, const Desktop& desktop,
                   const std::function<std::unique_ptr<QTextDocument>()>& printable, const QString& jobTitle)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    if (!desktop.dialogs.setUpPrinter(parent, printer, jobTitle))
        return false;
    printer.setDocName(jobTitle);
    const double pointsPerUnit = 72.0 / printer.resolution();
    printer.setPageMargins(QMarginsF(kLeftTopMargin * pointsPerUnit, kLeftTopMargin * pointsPerUnit,
                                     kRightBottomMargin * pointsPerUnit, kRightBottomMargin * pointsPerUnit),
                           QPageLayout::Point);
    // Laid out on the printer's pages in its own units: a text without pages of its own would be
    // printed with two more centimetres of margin and a page number at the foot of each page.
    const std::unique_ptr<QTextDocument> document = printable();
    document->setDocumentMargin(0);
    document->documentLayout()->setPaintDevice(&printer);
    document->setPageSize(QSizeF(printer.width(), printer.height()));
    document->print(&printer);
    return true;
}

} // namespace notavi::gui
