#pragma once

// The editor's calendar with week numbers and, below it, the holidays and feast days of the year
// it shows. A double click on a day or a holiday hands the date on to the text.

#include "core/engine/clock.h"

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;

namespace notavi::gui {

class CalendarPanel final : public QWidget
{
    Q_OBJECT

  public:
    CalendarPanel(const Clock& clock, QWidget* parent = nullptr);

    // The calendar to today and the list to today's year.
    void showToday();
    // The calendar to that day and the list to its year.
    void showDate(const QDate& date);
    // The three parts placed in a panel of that size: the calendar centred at the top, the year
    // below it, the list filling the rest.
    void layOut(int width, int height);

    // The width the calendar needs without cutting off its last column.
    int calendarWidth() const;

    QDate date() const;

    int listYear() const { return m_year; }

  Q_SIGNALS:
    void dateTaken(const QDate& date);
    void hideRequested();

  private:
    void fillList(int year);
    void followYear();
    void takeListItem(QListWidgetItem* item);

    const Clock& m_clock;
    int m_year = 0;
    QCalendarWidget* C_MCal_Kalender = nullptr;
    QLabel* C_LB_Feiertagsjahr = nullptr;
    QListWidget* C_LSBX_Feiertage = nullptr;
    QMenu* C_PopupMenu_Kalender = nullptr;
    QMenu* C_PopupMenu_Feiertagsliste = nullptr;
};

} // namespace notavi::gui
