#include "gui/app/web_address_command.h"

#include "core/editor/web_address.h"
#include "gui/platform/caret_line.h"
#include "gui/platform/shell_reports.h"
#include "gui/platform/text_conversion.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QUrl>

namespace notavi::gui {

QString caretLineText(const QPlainTextEdit& text)
{
    return text.document()->findBlockByNumber(caretLineOf(text.textCursor())).text();
}

bool openWebAddressOfLine(QWidget* parent, const Desktop& desktop, const WebAddressRequest& request)
{
    const std::optional<WebAddress> address = webAddressOfLine(request.line.toStdString());
    if (!address) {
        desktop.beeper.play(SystemSound::Warning);
        desktop.boxes.information(parent, request.noAddressMessage);
        return false;
    }
    const QString shown = QString::fromStdString(address->text);
    if (request.askFirst) {
        desktop.beeper.play(SystemSound::Warning);
        if (!desktop.boxes.confirm(
                parent,
                QStringLiteral("Soll Notavi folgende URL im Standardbrowser \u00F6ffnen?\n\n") + shown))
            return false;
    }
    return openUrlOrReport(desktop, parent, QUrl(QString::fromStdString(address->url), QUrl::TolerantMode));
}

} // namespace notavi::gui
