#include "gui/platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace notavi::gui {

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

void SystemClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace notavi::gui
