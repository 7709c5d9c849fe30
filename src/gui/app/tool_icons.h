#pragma once

// The program's own icons, drawn as simple vector shapes so that they stay sharp at every size.

#include <QIcon>

namespace notavi::gui {

enum class ToolIcon
{
    NewAppointment,
    ChangeAppointment,
    DeleteAppointment,
    LoadBackup,
    Print,
    Editor,
    Find,
    Today,
    Back,
    Forward,
    EnterDate,
    BlockChoice,
    Font,
    Background,
    BlockColours,
    AlarmClock,
    OpenUrl,
    DeleteExpired,
    Help,
    Logo,
};

QIcon toolIcon(ToolIcon icon);

} // namespace notavi::gui
