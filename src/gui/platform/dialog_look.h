#pragma once

// How every dialog of the program appears: centred over its owner and kept on the screen, in the
// view's colours when the user asked dialogs to follow the view, else in the desktop's colours.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace notavi::gui {

struct DialogColours
{
    bool followView = false;
    QColor background; // the view's background
    QColor text;       // the view's font colour
};

struct DialogLook
{
    const QWidget* owner = nullptr; // the window the dialog is centred over; none: left as it is
    DialogColours colours;
};

// The top-left corner for a window of size own over owner: half the size difference (truncated),
// negative coordinates moved to 0, then moved back inside the screen's right and bottom edge, but
// never above or left of the screen.
QPoint centredPosition(const QRect& owner, const QSize& own, const QRect& screen);

// Centres the (not yet shown) dialog over the owner's window on the owner's screen.
void placeOverOwner(QWidget* dialog, const QWidget* owner);
// The dialog's background and text colours: the view's, or the desktop's button face and window text.
void applyDialogColours(QWidget* dialog, const DialogColours& colours);
// Both, as each dialog does before it is shown.
void applyDialogLook(QWidget* dialog, const DialogLook& look);

} // namespace notavi::gui
