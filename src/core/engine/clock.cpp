#include "core/engine/clock.h"

#include <algorithm>
#include <ctime>

namespace notavi {
namespace {

std::tm localNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

DayNumber SystemClock::today() const
{
    std::tm local = localNow();
    return toDayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int SystemClock::minuteOfDay() const
{
    std::tm local = localNow();
    return local.tm_hour * 60 + local.tm_min;
}

int SystemClock::secondOfMinute() const
{
    // A leap second (60) counts as the last one of its minute.
    return std::min(localNow().tm_sec, 59);
}

int SystemClock::utcBiasMinutes() const
{
    // tm_gmtoff is the offset east of UTC in seconds; the bias counts the other way.
    std::tm local = localNow();
    return static_cast<int>(-local.tm_gmtoff / 60);
}

} // namespace notavi
