#include "gui/platform/clipboard_text_watch.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace notavi::gui {

ClipboardTextWatch::ClipboardTextWatch(QObject* parent) : QObject(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        m_holdsText.reset();
        Q_EMIT changed();
    });
}

bool ClipboardTextWatch::holdsText() const
{
    if (!m_holdsText) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        m_holdsText = data && data->hasText() && !data->text().isEmpty();
    }
    return *m_holdsText;
}

} // namespace notavi::gui
