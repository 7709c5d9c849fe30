// Birthdays: the age on the birthday and, when wanted, every thousandth day of life.

#include "core/calendar/german_text.h"
#include "core/engine/anniversary_occurrence.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

#include <optional>

namespace notavi {
namespace {

// A birth date must be a real date; its day in a year without 29 February falls on the 28th,
// which the name with the trailing blank tolerates.
constexpr std::string_view kBirthDateName = "Geburtstage";
constexpr std::string_view kBirthdayName = "Geburtstage ";
constexpr std::size_t kNamePosition = 12;
constexpr int kUnknownYear = 9999;
constexpr int kDayStep = 1000;

struct Wording
{
    std::string_view verb;
    std::string_view ending;
};

// In the last four weeks a day before the evaluation date is told in the past.
Wording wordingOf(const Evaluation& ev)
{
    return ev.lastFourWeeksBeforeEvaluationDate() ? Wording{"ist ", " geworden."} : Wording{"wird ", "."};
}

std::string ageText(int birthYear, int occurrenceYear)
{
    if (birthYear == kUnknownYear)
        return " (?) Jahre alt";
    const int age = occurrenceYear - birthYear;
    return age == 1 ? " 1 Jahr alt" : " " + std::to_string(age) + " Jahre alt";
}

void composeBirthdayEntry(Evaluation& ev, const std::string& age)
{
    const Wording wording = wordingOf(ev);
    ev.entryText = ev.lineFrom(kNamePosition) + age + std::string(wording.ending);
    ev.compose(wording.verb, ev.switchOf(BlockKind::Birthdays), BlockKind::Birthdays);
}

// The first day from rangeStart on whose age in days is a positive multiple of 1000: sets dayOffset
// and yields the age when that day lies in the range.
std::optional<int> thousandDayAge(Evaluation& ev, std::string_view birthDateText)
{
    const std::optional<DayNumber> birth = parseDateText(birthDateText);
    if (!birth)
        return std::nullopt;
    const int diff = ev.rangeStart - *birth;
    const int remainder = diff % kDayStep; // negative for a birth after rangeStart
    ev.dayOffset = remainder == 0 ? 0 : kDayStep - remainder;
    const int days = diff + ev.dayOffset;
    if (days > 0 && ev.dayOffset <= ev.rangeLength)
        return days;
    return std::nullopt;
}

void evaluateBirthdayLine(Evaluation& ev)
{
    const YearlyOccurrence occurrence = findYearlyOccurrence(ev, kBirthDateName, kBirthdayName);
    if (!occurrence.validDate) {
        // A faulty date yields no entry, but the check list still wants the line's other faults.
        checkOptionsOfLineWithoutEntry(ev, kNamePosition, BlockKind::Birthdays);
        return;
    }
    bool composed = false;
    const bool born =
        occurrence.startYear <= occurrence.occurrenceYear || occurrence.startYear == kUnknownYear;
    if (occurrence.hit && born) {
        composeBirthdayEntry(ev, ageText(occurrence.startYear, occurrence.occurrenceYear));
        ev.repeatEntry = true;
        composed = true;
    }
    // The check pass composes only to check the options: once per line is enough.
    if (ev.context.options.thousandDayBirthdays && !(composed && ev.isErrorCheck())) {
        if (std::optional<int> days = thousandDayAge(ev, ev.line().substr(0, 10))) {
            composeBirthdayEntry(ev, " " + std::to_string(*days) + " Tage alt");
            composed = true;
        }
    }
    if (!composed)
        checkOptionsOfLineWithoutEntry(ev, kNamePosition, BlockKind::Birthdays);
    ev.repeatEntry = false;
}

} // namespace

void evaluateBirthdays(Evaluation& ev)
{
    ev.adaptHeader(BlockKind::Birthdays);
    forEachAppointmentLine(ev, [&ev] { evaluateBirthdayLine(ev); });
    finishBlock(ev, BlockKind::Birthdays);
}

} // namespace notavi
