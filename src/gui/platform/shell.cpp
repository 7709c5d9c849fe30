#include "gui/platform/shell.h"

#include <QDesktopServices>

namespace notavi::gui {

bool DesktopShell::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::openTextFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace notavi::gui
