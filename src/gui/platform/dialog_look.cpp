#include "gui/platform/dialog_look.h"

#include <algorithm>

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace notavi::gui {

QPoint centredPosition(const QRect& owner, const QSize& own, const QRect& screen)
{
    int left = owner.left() + (owner.width() - own.width()) / 2;
    int top = owner.top() + (owner.height() - own.height()) / 2;
    left = std::max(left, screen.left());
    top = std::max(top, screen.top());
    left = std::max(std::min(left, screen.left() + screen.width() - own.width()), screen.left());
    top = std::max(std::min(top, screen.top() + screen.height() - own.height()), screen.top());
    return {left, top};
}

void placeOverOwner(QWidget* dialog, const QWidget* owner)
{
    if (!owner)
        return;
    const QWidget* window = owner->window();
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    dialog->ensurePolished();
    if (dialog->layout())
        dialog->adjustSize();
    dialog->move(centredPosition(window->frameGeometry(), dialog->frameGeometry().size(),
                                 screen->availableGeometry()));
}

void applyDialogColours(QWidget* dialog, const DialogColours& colours)
{
    QPalette palette = dialog->palette();
    const QPalette desktop = QApplication::palette();
    const QColor background = colours.followView ? colours.background : desktop.color(QPalette::Button);
    const QColor text = colours.followView ? colours.text : desktop.color(QPalette::WindowText);
    // Disabled controls keep the desktop's grey text, so that the user still sees what is off.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::WindowText, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, background);
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}

void applyDialogLook(QWidget* dialog, const DialogLook& look)
{
    applyDialogColours(dialog, look.colours);
    placeOverOwner(dialog, look.owner);
}

} // namespace notavi::gui
