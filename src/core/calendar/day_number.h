#pragma once

// Whole days counted from 30.12.1899 (day 0) in the proleptic Gregorian calendar.
// Date-times add the fraction of the day.

#include <cstdint>

namespace notavi {

using DayNumber = std::int32_t;

struct CivilDate
{
    int year = 1900;
    int month = 1;
    int day = 1;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;

bool isLeapYear(int year);
int daysInMonth(int year, int month);
int daysInYear(int year);
// Years 1..9999, months 1..12, days within the month.
bool isValidDate(int year, int month, int day);

DayNumber toDayNumber(int year, int month, int day);

inline DayNumber toDayNumber(const CivilDate& date)
{
    return toDayNumber(date.year, date.month, date.day);
}

CivilDate toCivil(DayNumber day);

// 1 = Monday ... 7 = Sunday.
int isoWeekday(DayNumber day);
// 0 = Sunday ... 6 = Saturday, the index of the German weekday table.
int sundayBasedWeekday(DayNumber day);

// Calendar arithmetic that clips the day to the target month (31.01. + 1 month = 28./29.02.).
DayNumber addMonths(DayNumber day, int months);
DayNumber addYears(DayNumber day, int years);

} // namespace notavi
