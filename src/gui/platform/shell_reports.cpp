#include "gui/platform/shell_reports.h"

#include <QDir>

namespace notavi::gui {

QString urlFailedMessage(const QUrl& url)
{
    if (url.scheme() == QLatin1String("mailto"))
        return QStringLiteral("Die E-Mail an %1 kann nicht verfasst werden.\n\n"
                              "Bitte pr\u00FCfen sie, ob ein E-Mail-Programm als Standardprogramm "
                              "eingerichtet ist.")
            .arg(url.path());
    return QStringLiteral("Die Adresse %1 kann nicht ge\u00F6ffnet werden.\n\n"
                          "Bitte pr\u00FCfen sie, ob ein Internet-Browser als Standardprogramm "
                          "eingerichtet ist.")
        .arg(url.toDisplayString());
}

QString textFileFailedMessage(const QString& path)
{
    return QStringLiteral("Die Datei %1 kann nicht im Texteditor ge\u00F6ffnet werden.\n\n"
                          "Bitte pr\u00FCfen sie, ob ein Texteditor als Standardprogramm f\u00FCr "
                          "Textdateien eingerichtet ist.")
        .arg(QDir::toNativeSeparators(path));
}

bool openUrlOrReport(const Desktop& desktop, QWidget* parent, const QUrl& url)
{
    if (desktop.shell.openUrl(url))
        return true;
    desktop.boxes.error(parent, urlFailedMessage(url));
    return false;
}

bool openTextFileOrReport(const Desktop& desktop, QWidget* parent, const QString& path)
{
    if (desktop.shell.openTextFile(path))
        return true;
    desktop.boxes.error(parent, textFileFailedMessage(path));
    return false;
}

} // namespace notavi::gui
