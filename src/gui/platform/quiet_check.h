#pragma once

// Setting a check mark from the settings, without running the item's command as a click would.

#include <QAction>
#include <QSignalBlocker>

namespace notavi::gui {

inline void setCheckedQuietly(QAction* item, bool on)
{
    const QSignalBlocker quiet(item);
    item->setChecked(on);
}

} // namespace notavi::gui
