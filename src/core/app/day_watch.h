#pragma once

// The calendar as the once-a-second tick follows it: the day of the last tick, and where the view
// goes when a new day has begun.

#include "core/calendar/day_number.h"

namespace notavi {

class DayWatch
{
  public:
    explicit DayWatch(DayNumber today) : m_lastKnownDate(today) {}

    DayNumber lastKnownDate() const { return m_lastKnownDate; }

    // True once for each tick that finds a later day than the last one (midnight, or waking after
    // days); today then becomes the known day. A clock set back leaves the known day as it is.
    bool newDayBegun(DayNumber today);

  private:
    DayNumber m_lastKnownDate;
};

// The evaluation date after the day changed from previousDay to today: a view of the old today moves
// with the calendar; a date the user chose stays.
DayNumber evaluationDateOnNewDay(DayNumber evaluationDate, DayNumber previousDay, DayNumber today);

} // namespace notavi
