#include "gui/editor/info_area_keys.h"

namespace notavi::gui {

bool changesInfoArea(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Backspace || key == Qt::Key_Space || key == Qt::Key_Delete)
        return true;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return true;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key != Qt::Key_D && key != Qt::Key_E;
    if (modifiers & Qt::KeypadModifier)
        switch (key) {
        case Qt::Key_Asterisk:
        case Qt::Key_Plus:
        case Qt::Key_Minus:
        case Qt::Key_Comma:
        case Qt::Key_Period:
        case Qt::Key_Slash:
            return true;
        default:
            break;
        }
    return false;
}

bool warnsAboutInfoArea(int key, Qt::KeyboardModifiers modifiers)
{
    if (!changesInfoArea(key, modifiers) || (modifiers & Qt::AltModifier))
        return false;
    return !(modifiers & Qt::ControlModifier) || key == Qt::Key_V || key == Qt::Key_X;
}

} // namespace notavi::gui
