#pragma once

// Handing an address or a file to the desktop and telling the user when no program took it;
// otherwise a click on a link would seem to do nothing at all.

#include "gui/platform/desktop.h"

#include <QString>
#include <QUrl>

class QWidget;

namespace notavi::gui {

// Opens a web or mail address; false after an error box when the desktop could not.
bool openUrlOrReport(const Desktop& desktop, QWidget* parent, const QUrl& url);
// Opens a text file in the user's text editor; false after an error box when the desktop could not.
bool openTextFileOrReport(const Desktop& desktop, QWidget* parent, const QString& path);

// The error texts of the two.
QString urlFailedMessage(const QUrl& url);
QString textFileFailedMessage(const QString& path);

} // namespace notavi::gui
