#pragma once

// Controls carry the form's names as their objectName, by which tests, the help and the focus rules
// find them: each gets its name (and its hint, where it has one) where it is made.

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
