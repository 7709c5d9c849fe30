#pragma once

// The program's own German date and time texts, independent of the system's locale.
// All texts are Windows-1252 byte strings, like every text of the core.

#include "core/calendar/day_number.h"

#include <optional>
#include <string>
#include <string_view>

namespace notavi {

// n with at least two digits ("05", "12", "123").
std::string twoDigits(int n);
// "TT.MM.JJJJ".
std::string formatDate(DayNumber day);
std::string formatDate(const CivilDate& date);
// "hh:mm" for a minute of the day.
std::string formatTime(int minuteOfDay);
// Sort key "JJJJMMTT".
std::string dateKey(DayNumber day);

// "Sonntag" ... "Samstag" by 0 = Sunday ... 6 = Saturday.
const std::string& weekdayName(int sundayBased);
const std::string& weekdayNameOf(DayNumber day);
// "Januar" ... "Dezember" by 1 ... 12.
const std::string& monthName(int month);

// True when positions 1-2, 4-5, 7-10 are digits and 3 and 6 are "." (only the first ten count).
bool isWellFormedDateText(std::string_view text);
// A well-formed "TT.MM.JJJJ" text of a valid date (years 1-9999).
std::optional<DayNumber> parseDateText(std::string_view text);

} // namespace notavi
