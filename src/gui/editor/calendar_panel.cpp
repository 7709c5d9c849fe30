#include "gui/editor/calendar_panel.h"

#include "core/editor/holiday_list.h"
#include "gui/platform/text_conversion.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

namespace notavi::gui {
namespace {

const QString kCalendarHint =
    QStringLiteral("Doppelklick \u00FCbernimmt das Datum f\u00FCr den aktuellen Termin.");
const QString kListHint =
    QStringLiteral("Doppelklick \u00FCbernimmt das Datum f\u00FCr den aktuellen Termin und  den Kalender.");
const QString kItemHintTail = QStringLiteral(
    " per Doppelklick als Datum f\u00FCr den aktuellen Termin und den Kalender \u00FCbernehmen.");
const QString kHideCaption = QStringLiteral("Kalender und Feiertagsliste ausblenden.");

QMenu* contextMenu(QWidget* owner, const char* name, const std::pair<const char*, QString> (&items)[2])
{
    auto* menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(name));
    for (const auto& [itemName, caption] : items)
        menu->addAction(caption)->setObjectName(QString::fromLatin1(itemName));
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(owner, &QWidget::customContextMenuRequested, menu,
                     [owner, menu](const QPoint& at) { menu->popup(owner->mapToGlobal(at)); });
    return menu;
}

} // namespace

CalendarPanel::CalendarPanel(const Clock& clock, QWidget* parent) : QWidget(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("C_PNL_Kalender"));
    C_MCal_Kalender = new QCalendarWidget(this);
    C_MCal_Kalender->setObjectName(QStringLiteral("C_MCal_Kalender"));
    C_MCal_Kalender->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    C_MCal_Kalender->setGridVisible(false);
    C_MCal_Kalender->setLocale(QLocale(QLocale::German, QLocale::Germany));
    C_MCal_Kalender->setFirstDayOfWeek(Qt::Monday);
    C_MCal_Kalender->setToolTip(kCalendarHint);
    C_LB_Feiertagsjahr = new QLabel(this);
    C_LB_Feiertagsjahr->setObjectName(QStringLiteral("C_LB_Feiertagsjahr"));
    C_LSBX_Feiertage = new QListWidget(this);
    C_LSBX_Feiertage->setObjectName(QStringLiteral("C_LSBX_Feiertage"));
    C_LSBX_Feiertage->setToolTip(kListHint);
    C_LSBX_Feiertage->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    C_PopupMenu_Kalender = contextMenu(C_MCal_Kalender, "C_PopupMenu_Kalender",
                                       {{"C_KMItem_GeheZuHeute", QStringLiteral("Gehe zu Heute")},
                                        {"C_KMItem_AusblendenKalender", kHideCaption}});
    C_PopupMenu_Feiertagsliste =
        contextMenu(C_LSBX_Feiertage, "C_PopupMenu_Feiertagsliste",
                    {{"C_KMItem_KalenderHeute", QStringLiteral("Den Kalender auf den heutigen Tag stellen.")},
                     {"C_KMItem_AusblendenFeiertage", kHideCaption}});
    for (QMenu* menu : {C_PopupMenu_Kalender, C_PopupMenu_Feiertagsliste}) {
        connect(menu->actions().at(0), &QAction::triggered, this, &CalendarPanel::showToday);
        connect(menu->actions().at(1), &QAction::triggered, this, &CalendarPanel::hideRequested);
    }

    connect(C_MCal_Kalender, &QCalendarWidget::activated, this, &CalendarPanel::dateTaken);
    connect(C_MCal_Kalender, &QCalendarWidget::selectionChanged, this, &CalendarPanel::followYear);
    connect(C_MCal_Kalender, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int) { fillList(year); });
    connect(C_LSBX_Feiertage, &QListWidget::itemDoubleClicked, this, &CalendarPanel::takeListItem);
    showToday();
}

void CalendarPanel::showToday()
{
    showDate(toQDate(m_clock.today()));
}

void CalendarPanel::showDate(const QDate& date)
{
    C_MCal_Kalender->setSelectedDate(date);
    C_MCal_Kalender->setCurrentPage(date.year(), date.month());
    fillList(date.year());
}

int CalendarPanel::calendarWidth() const
{
    return C_MCal_Kalender->sizeHint().width();
}

QDate CalendarPanel::date() const
{
    return C_MCal_Kalender->selectedDate();
}

void CalendarPanel::layOut(int width, int height)
{
    const QSize calendar = C_MCal_Kalender->sizeHint();
    const int calendarWidth = std::min(calendar.width(), width);
    C_MCal_Kalender->setGeometry((width - calendarWidth) / 2, 2, calendarWidth, calendar.height());
    const int labelTop = 2 + calendar.height();
    const int labelHeight = C_LB_Feiertagsjahr->sizeHint().height();
    C_LB_Feiertagsjahr->setGeometry(0, labelTop, width, labelHeight);
    const int listTop = labelTop + labelHeight;
    C_LSBX_Feiertage->setGeometry(0, listTop, width, std::max(0, height - listTop));
}

void CalendarPanel::followYear()
{
    if (date().year() != m_year)
        fillList(date().year());
}

// The list is rebuilt only when the year changes: paging through the months of one year keeps it.
void CalendarPanel::fillList(int year)
{
    if (year == m_year && C_LSBX_Feiertage->count() > 0)
        return;
    m_year = year;
    C_LB_Feiertagsjahr->setText(fromCp1252(holidayListHeading(year)));
    C_LSBX_Feiertage->clear();
    for (const HolidayItem& holiday : holidayList(year)) {
        const QString text = fromCp1252(holiday.text);
        auto* item = new QListWidgetItem(text, C_LSBX_Feiertage);
        item->setData(Qt::UserRole, toQDate(holiday.day));
        item->setToolTip(text.mid(7) + kItemHintTail);
    }
}

void CalendarPanel::takeListItem(QListWidgetItem* item)
{
    const QDate day = item->data(Qt::UserRole).toDate();
    C_MCal_Kalender->setSelectedDate(day);
    Q_EMIT dateTaken(day);
}

} // namespace notavi::gui
