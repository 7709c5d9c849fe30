#pragma once

// Controls are found by their objectName (tests, the help): each gets its name where it is made.

#include <QString>

namespace notavi::gui {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace notavi::gui
