#include "gui/platform/tooltip_policy.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTabBar>
#include <QToolTip>
#include <QWidget>

namespace notavi::gui {
namespace {

// The hint the widget would show at the point: a tab's own hint, else the widget's.
QString hintAt(const QWidget& widget, const QPoint& point)
{
    if (const auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
        const int tab = tabs->tabAt(point);
        if (tab >= 0)
            return tabs->tabToolTip(tab);
    }
    return widget.toolTip();
}

} // namespace

TooltipPolicy::TooltipPolicy(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

TooltipPolicy::~TooltipPolicy()
{
    qApp->removeEventFilter(this);
}

void TooltipPolicy::setShown(bool shown)
{
    m_shown = shown;
    if (!shown)
        QToolTip::hideText();
}

bool TooltipPolicy::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    if (!m_shown)
        return true;
    const auto* help = static_cast<QHelpEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    const QString hint = hintAt(*widget, help->pos());
    if (hint.isEmpty())
        return false; // widgets with hints of their own (menus, item views) show them as usual
    QToolTip::showText(help->globalPos(), hint, widget, {}, m_displayMilliseconds);
    return true;
}

} // namespace notavi::gui
