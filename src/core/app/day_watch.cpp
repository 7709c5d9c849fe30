#include "core/app/day_watch.h"

namespace notavi {

bool DayWatch::newDayBegun(DayNumber today)
{
    if (today <= m_lastKnownDate)
        return false;
    m_lastKnownDate = today;
    return true;
}

DayNumber evaluationDateOnNewDay(DayNumber evaluationDate, DayNumber previousDay, DayNumber today)
{
    return evaluationDate == previousDay ? today : evaluationDate;
}

} // namespace notavi
