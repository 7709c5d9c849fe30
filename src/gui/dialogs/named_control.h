#pragma once

// Controls carry the form's names as their objectName, by which tests and the focus rules find them.

#include <QString>
#include <QWidget>

namespace notavi::gui {

template <typename Widget> Widget* named(Widget* widget, const char* name, const QString& hint = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

} // namespace notavi::gui
