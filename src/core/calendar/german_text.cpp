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

} // namespace

std::string twoDigits(int n)
{
    std::string s = std::to_string(n);
    return n >= 0 && n < 10 ? "0" + s : s;
}

namespace {

// Writes n (0..9999) as four digits.
void putFourDigits(char* at, int n)
{
    at[0] = static_cast<char>('0' + n / 1000 % 10);
    at[1] = static_cast<char>('0' + n / 100 % 10);
    at[2] = static_cast<char>('0' + n / 10 % 10);
    at[3] = static_cast<char>('0' + n % 10);
}

void putTwoDigits(char* at, int n)
{
    at[0] = static_cast<char>('0' + n / 10 % 10);
    at[1] = static_cast<char>('0' + n % 10);
}

} // namespace

std::string formatDate(const CivilDate& date)
{
    char text[10] = {'0', '0', '.', '0', '0', '.', '0', '0', '0', '0'};
    putTwoDigits(text, date.day);
    putTwoDigits(text + 3, date.month);
    putFourDigits(text + 6, date.year);
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
    char key[8];
    putFourDigits(key, c.year);
    putTwoDigits(key + 4, c.month);
    putTwoDigits(key + 6, c.day);
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
