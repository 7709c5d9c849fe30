// The computed church-year and public-holiday blocks: every feast of the range year that falls
// into the range becomes one entry, in table order.

#include "core/calendar/easter.h"
#include "core/engine/evaluators.h"

namespace notavi {
namespace {

struct Feast
{
    int offset; // days from the reference day of its cycle
    const char* text;
};

constexpr Feast kEasterCycle[] = {
    {-52, "Altweiberfastnacht."}, {-48, "Rosenmontag."},      {-46, "Aschermittwoch."},
    {-7, "Palmsonntag."},         {-3, "Gr\xFCndonnerstag."}, {-2, "Karfreitag."},
    {0, "Ostersonntag."},         {1, "Ostermontag."},        {39, "Christi Himmelfahrt (Vatertag)."},
    {49, "Pfingstsonntag."},      {50, "Pfingstmontag."},     {60, "Fronleichnam."},
};

// Relative to the fourth Sunday of Advent.
constexpr Feast kAdventSundays[] = {
    {-35, "Volkstrauertag."}, {-32, "Bu\xDF- und Bettag."}, {-28, "Totensonntag."}, {-21, "der 1. Advent."},
    {-14, "der 2. Advent."},  {-7, "der 3. Advent."},       {0, "der 4. Advent."},
};

// Relative to 24 December.
constexpr Feast kChristmas[] = {
    {0, "Heiligabend."},
    {1, "der 1. Weihnachtstag."},
    {2, "der 2. Weihnachtstag."},
};

struct FixedHoliday
{
    int month;
    int day;
    const char* text;
    bool alsoNextYear; // looked for in January of the next year when the range starts in December
};

constexpr FixedHoliday kFixedHolidays[] = {
    {1, 1, "Neujahr.", true},
    {1, 6, "der Feiertag \"Heilige Drei K\xF6nige\".", true},
    {2, 2, "Mari\xE4 Lichtmess.", false},
    {2, 14, "Valentinstag.", false},
    {5, 1, "Maifeiertag.", false},
    {8, 15, "Mari\xE4 Himmelfahrt.", false},
    {10, 3, "Tag der Deutschen Einheit.", false},
    {10, 31, "Reformationstag.", false},
    {11, 1, "Allerheiligen.", false},
    {11, 2, "Allerseelen.", false},
    {12, 6, "Nikolaustag.", false},
    {12, 31, "Silvester.", false},
};

// True when an entry was made for the day.
bool feastEntry(Evaluation& ev, DayNumber day, const char* text, BlockKind block)
{
    if (!ev.inRange(day))
        return false;
    ev.dayOffset = day - ev.rangeStart;
    ev.internalEntry(text, block);
    return true;
}

template <std::size_t N>
void feastsFrom(Evaluation& ev, DayNumber reference, const Feast (&feasts)[N], BlockKind block)
{
    for (const Feast& feast : feasts)
        feastEntry(ev, reference + feast.offset, feast.text, block);
}

} // namespace

void evaluateEasterCycle(Evaluation& ev)
{
    const DayNumber easter = easterSunday(ev.rangeDate.year);
    if (easter == 0)
        return;
    feastsFrom(ev, easter, kEasterCycle, BlockKind::Easter);
}

void evaluateAdventCycle(Evaluation& ev)
{
    const int year = ev.rangeDate.year;
    feastsFrom(ev, fourthAdventSunday(year), kAdventSundays, BlockKind::Advent);
    feastsFrom(ev, toDayNumber(year, 12, 24), kChristmas, BlockKind::Advent);
}

void evaluateHolidays(Evaluation& ev)
{
    const int year = ev.rangeDate.year;
    const bool startsInDecember = ev.rangeDate.month == 12;
    for (const FixedHoliday& holiday : kFixedHolidays) {
        if (feastEntry(ev, toDayNumber(year, holiday.month, holiday.day), holiday.text, BlockKind::Holidays))
            continue;
        if (holiday.alsoNextYear && startsInDecember)
            feastEntry(ev, toDayNumber(year + 1, holiday.month, holiday.day), holiday.text,
                       BlockKind::Holidays);
    }
}

} // namespace notavi
