#include "gui/editor/check_list_panel.h"

#include <QAction>
#include <QBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

namespace notavi::gui {

CheckListPanel::CheckListPanel(QWidget& page, QAction& calendar)
    : QObject(&page), m_list(new QListWidget(&page)), m_menu(new QMenu(m_list)), m_calendar(calendar)
{
    m_list->setObjectName(QStringLiteral("C_LSBX_Fehler"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->hide();
    if (auto* column = qobject_cast<QBoxLayout*>(page.layout()))
        column->addWidget(m_list, 1);
    m_menu->setObjectName(QStringLiteral("C_PopupMenu_Pruefliste"));
    const auto add = [this](const char* name, const QString& caption) {
        QAction* item = m_menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    m_show = add("C_KMItem_FehlerZeigen", QStringLiteral("&Fehler im Editor anzeigen"));
    m_change = add("C_KMItem_FehlerAendern",
                   QStringLiteral("F&ehler im Editor anzeigen und zum \u00C4ndern \u00F6ffnen"));
    QAction* fileStart =
        add("C_KMItem_Dateianfang",
            QStringLiteral("&Pr\u00FCfliste verlassen und zum Dateianfang der Termindatei springen"));
    m_calendarItem = add("C_KMItem_Kalender_PL", QStringLiteral("&Kalender einblenden"));
    m_calendarItem->setCheckable(true);
    connect(m_show, &QAction::triggered, this, [this] { Q_EMIT jumpRequested(false); });
    connect(m_change, &QAction::triggered, this, [this] { Q_EMIT jumpRequested(true); });
    connect(fileStart, &QAction::triggered, this, &CheckListPanel::fileStartRequested);
    connect(m_calendarItem, &QAction::triggered, &m_calendar, &QAction::trigger);
    connect(m_menu, &QMenu::aboutToShow, this, &CheckListPanel::prepareMenu);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_list->viewport()->mapToGlobal(at)); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT jumpRequested(false); });
    m_list->viewport()->installEventFilter(this);
}

void CheckListPanel::show(const QStringList& entries)
{
    m_list->clear();
    m_list->addItems(entries.isEmpty() ? QStringList{kNoErrorsEntry} : entries);
    m_shown = true;
    m_list->show();
}

void CheckListPanel::hide()
{
    m_shown = false;
    m_list->hide();
}

QString CheckListPanel::selectedEntry() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void CheckListPanel::prepareMenu()
{
    const bool pointing = selectedEntry().contains(QLatin1Char('('));
    m_show->setEnabled(pointing);
    m_change->setEnabled(pointing);
    m_calendarItem->setChecked(m_calendar.isChecked());
}

// Ctrl+click selects the entry under the mouse, jumps to its line and opens it for changing;
// Alt+click selects it and opens the web address of its line.
bool CheckListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* click = static_cast<QMouseEvent*>(event);
        QListWidgetItem* item = m_list->itemAt(click->position().toPoint());
        if (click->button() == Qt::LeftButton && (click->modifiers() & Qt::ControlModifier) && item) {
            m_list->setCurrentItem(item);
            Q_EMIT jumpRequested(true);
            return true;
        }
        if (click->button() == Qt::LeftButton && (click->modifiers() & Qt::AltModifier)) {
            if (item)
                m_list->setCurrentItem(item);
            Q_EMIT webAddressRequested();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace notavi::gui
