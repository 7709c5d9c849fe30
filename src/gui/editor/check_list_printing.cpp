#include "gui/editor/check_list_printing.h"

#include "gui/app/document_printing.h"

#include <QListWidget>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

namespace notavi::gui {

bool printCheckList(QWidget* parent, const Desktop& desktop, const QListWidget& list)
{
    QStringList entries;
    entries.reserve(list.count());
    for (int row = 0; row < list.count(); ++row)
        entries << list.item(row)->text();
    QTextDocument document;
    document.setDefaultFont(list.font());
    document.setPlainText(entries.join(QLatin1Char('\n')));
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    QTextCharFormat colour;
    colour.setForeground(list.palette().color(QPalette::Text));
    all.mergeCharFormat(colour);
    return printDocument(parent, desktop, document, QStringLiteral("Pr\u00FCfliste"));
}

} // namespace notavi::gui
