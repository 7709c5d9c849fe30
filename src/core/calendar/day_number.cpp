#include "core/calendar/day_number.h"

namespace notavi {
namespace {

// Days from 1970-01-01 for a civil date (H. Hinnant's days_from_civil), valid for all int years.
constexpr long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kEpochOffset = 25569; // 1970-01-01 is day 25569 after 30.12.1899

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int daysInYear(int year)
{
    return isLeapYear(year) ? 366 : 365;
}

bool isValidDate(int year, int month, int day)
{
    return year >= kMinYear && year <= kMaxYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

DayNumber toDayNumber(int year, int month, int day)
{
    return static_cast<DayNumber>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kEpochOffset);
}

CivilDate toCivil(DayNumber dayNumber)
{
    long long z = static_cast<long long>(dayNumber) - kEpochOffset + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

int sundayBasedWeekday(DayNumber day)
{
    // Day 0 (30.12.1899) was a Saturday.
    const int r = static_cast<int>((static_cast<long long>(day) + 6) % 7);
    return r < 0 ? r + 7 : r;
}

int isoWeekday(DayNumber day)
{
    const int w = sundayBasedWeekday(day);
    return w == 0 ? 7 : w;
}

DayNumber addMonths(DayNumber dayNumber, int months)
{
    const CivilDate c = toCivil(dayNumber);
    const int total = c.year * 12 + (c.month - 1) + months;
    const int year = total / 12;
    const int month = total % 12 + 1;
    const int day = c.day < daysInMonth(year, month) ? c.day : daysInMonth(year, month);
    return toDayNumber(year, month, day);
}

DayNumber addYears(DayNumber day, int years)
{
    return addMonths(day, years * 12);
}

} // namespace notavi
