#include "core/calendar/german_text.h"

#include <array>

namespace notavi {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digits(std::string_view s, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = value * 10 + (s[i] - '0');
    return value;
}

// The year with at least four digits.
std::string fourDigitYear(int year)
{
    std::string text = std::to_string(year);
    while (text.size() < 4)
        text.insert(text.begin(), '0');
    return text;
}

bool fitsFixedWidth(const CivilDate& date)
{
    return date.year >= 0 && date.year <= 9999 && date.month >= 0 && date.month < 100 && date.day >= 0 &&
           date.day < 100;
}

char* putDigits(char* at, int value, int count)
{
    for (int i = count - 1; i >= 0; --i, value /= 10)
        at[i] = static_cast<char>('0' + value % 10);
    return at + count;
}

} // namespace

std::string twoDigits(int n)
{
    std::string s = std::to_string(n);
    return n >= 0 && n < 10 ? "0" + s : s;
}

// Both texts are written digit by digit: the view formats two of them for every entry.
std::string formatDate(const CivilDate& date)
{
    if (!fitsFixedWidth(date))
        return twoDigits(date.day) + "." + twoDigits(date.month) + "." + fourDigitYear(date.year);
    char text[10];
    char* at = putDigits(text, date.day, 2);
    *at++ = '.';
    at = putDigits(at, date.month, 2);
    *at++ = '.';
    putDigits(at, date.year, 4);
    return std::string(text, sizeof text);
}

std::string formatDate(DayNumber day)
{
    return formatDate(toCivil(day));
}

std::string formatTime(int minuteOfDay)
{
    return twoDigits(minuteOfDay / 60) + ":" + twoDigits(minuteOfDay % 60);
}

std::string dateKey(DayNumber day)
{
    const CivilDate c = toCivil(day);
    if (!fitsFixedWidth(c))
        return fourDigitYear(c.year) + twoDigits(c.month) + twoDigits(c.day);
    char key[8];
    putDigits(putDigits(putDigits(key, c.year, 4), c.month, 2), c.day, 2);
    return std::string(key, sizeof key);
}

const std::string& weekdayName(int sundayBased)
{
    static const std::array<std::string, 7> kNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                      "Donnerstag", "Freitag", "Samstag"};
    return kNames[static_cast<std::size_t>(((sundayBased % 7) + 7) % 7)];
}

const std::string& weekdayNameOf(DayNumber day)
{
    return weekdayName(sundayBasedWeekday(day));
}

const std::string& monthName(int month)
{
    // "M\xE4rz": the umlaut as its Windows-1252 byte.
    static const std::array<std::string, 12> kNames = {"Januar",    "Februar", "M\xE4rz",  "April",
                                                       "Mai",       "Juni",    "Juli",     "August",
                                                       "September", "Oktober", "November", "Dezember"};
    return kNames[static_cast<std::size_t>(month < 1 || month > 12 ? 0 : month - 1)];
}

bool isWellFormedDateText(std::string_view text)
{
    if (text.size() < 10 || text[2] != '.' || text[5] != '.')
        return false;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
        if (!isDigit(text[i]))
            return false;
    return true;
}

std::optional<DayNumber> parseDateText(std::string_view text)
{
    if (!isWellFormedDateText(text))
        return std::nullopt;
    const int day = digits(text, 0, 2);
    const int month = digits(text, 3, 2);
    const int year = digits(text, 6, 4);
    if (!isValidDate(year, month, day))
        return std::nullopt;
    return toDayNumber(year, month, day);
}

} // namespace notavi
