#include "core/editor/holiday_list.h"

#include "core/calendar/easter.h"
#include "core/calendar/german_text.h"
#include "core/model/windows1252.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace notavi {
namespace {

enum class Anchor
{
    Fixed,  // first = month, second = day
    Easter, // first = days after Easter Sunday
    Advent, // first = days after the fourth Sunday of Advent
};

struct Row
{
    Anchor anchor;
    int first;
    int second;
    std::string_view name;
};

constexpr std::array<Row, 34> kRows = {{
    {Anchor::Fixed, 1, 1, "Neujahr"},
    {Anchor::Fixed, 1, 6, "Heilige Drei K\xF6nige"},
    {Anchor::Fixed, 2, 2, "Mari\xE4 Lichtmess"},
    {Anchor::Fixed, 2, 14, "Valentinstag"},
    {Anchor::Easter, -52, 0, "Altweiberfastnacht"},
    {Anchor::Easter, -48, 0, "Rosenmontag"},
    {Anchor::Easter, -46, 0, "Aschermittwoch"},
    {Anchor::Easter, -7, 0, "Palmsonntag"},
    {Anchor::Easter, -3, 0, "Gr\xFCndonnerstag"},
    {Anchor::Easter, -2, 0, "Karfreitag"},
    {Anchor::Easter, 0, 0, "Ostersonntag"},
    {Anchor::Easter, 1, 0, "Ostermontag"},
    {Anchor::Fixed, 5, 1, "Maifeiertag"},
    {Anchor::Easter, 39, 0, "Christi Himmelfahrt (Vatertag)"},
    {Anchor::Easter, 49, 0, "Pfingstsonntag"},
    {Anchor::Easter, 50, 0, "Pfingstmontag"},
    {Anchor::Easter, 60, 0, "Fronleichnam"},
    {Anchor::Fixed, 8, 15, "Mari\xE4 Himmelfahrt"},
    {Anchor::Fixed, 10, 3, "Tag der Deutschen Einheit"},
    {Anchor::Fixed, 10, 31, "Reformationstag"},
    {Anchor::Fixed, 11, 1, "Allerheiligen"},
    {Anchor::Fixed, 11, 2, "Allerseelen"},
    {Anchor::Advent, -35, 0, "Volkstrauertag"},
    {Anchor::Advent, -32, 0, "Bu\xDF- und Bettag"},
    {Anchor::Advent, -28, 0, "Totensonntag"},
    {Anchor::Advent, -21, 0, "1. Advent"},
    {Anchor::Advent, -14, 0, "2. Advent"},
    {Anchor::Fixed, 12, 6, "Nikolaustag"},
    {Anchor::Advent, -7, 0, "3. Advent"},
    {Anchor::Advent, 0, 0, "4. Advent"},
    {Anchor::Fixed, 12, 24, "Heiligabend"},
    {Anchor::Fixed, 12, 25, "1. Weihnachtstag"},
    {Anchor::Fixed, 12, 26, "2. Weihnachtstag"},
    {Anchor::Fixed, 12, 31, "Silvester"},
}};

std::optional<DayNumber> dayOf(const Row& row, int year, DayNumber easter, DayNumber fourthAdvent)
{
    switch (row.anchor) {
    case Anchor::Fixed:
        return toDayNumber(year, row.first, row.second);
    case Anchor::Easter:
        if (easter == 0)
            return std::nullopt;
        return easter + row.first;
    case Anchor::Advent:
        return fourthAdvent + row.first;
    }
    return std::nullopt;
}

// "TT.MM. " before the name.
std::string itemText(DayNumber day, std::string_view name)
{
    const CivilDate date = toCivil(day);
    std::string text = twoDigits(date.day) + "." + twoDigits(date.month) + ". ";
    text += name;
    return text;
}

} // namespace

std::vector<HolidayItem> holidayList(int year)
{
    if (year < kMinYear || year > kMaxYear)
        return {};
    const DayNumber easter = easterSunday(year);
    const DayNumber fourthAdvent = fourthAdventSunday(year);
    std::vector<HolidayItem> items;
    items.reserve(kRows.size());
    for (const Row& row : kRows)
        if (const std::optional<DayNumber> day = dayOf(row, year, easter, fourthAdvent))
            items.push_back({*day, itemText(*day, row.name)});
    std::stable_sort(items.begin(), items.end(), [](const HolidayItem& a, const HolidayItem& b) {
        if (a.day != b.day)
            return a.day < b.day;
        return toUpper1252(a.text) < toUpper1252(b.text);
    });
    return items;
}

std::string holidayListHeading(int year)
{
    return " Feiertage im Jahr " + std::to_string(year);
}

} // namespace notavi
