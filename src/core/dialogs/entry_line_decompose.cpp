#include "core/dialogs/entry_line_decompose.h"

#include "core/calendar/german_text.h"
#include "core/dialogs/entry_field_rules.h"
#include "core/dialogs/entry_line_reading.h"
#include "core/model/block_catalogue.h"
#include "core/model/date_part_fields.h"

#include <optional>

namespace notavi {
namespace {

constexpr int kUnknownBirthYear = 9999;
constexpr int kMaxInterval = 999;
constexpr int kDaysPerWeek = 7;

const std::string kTodayInstead = "Daher wird das Tagesdatum ber\xFC"
                                  "cksichtigt.";

// The rest of the line from the 1-based position.
std::string restFrom(std::string_view line, std::size_t position)
{
    return position - 1 < line.size() ? std::string(line.substr(position - 1)) : std::string();
}

enum class DateState
{
    Valid,
    Invalid,    // numbers that form no date
    NotNumeric, // day, month or year is no number
};

struct ReadDate
{
    DateState state = DateState::NotNumeric;
    DayNumber day = 0;
};

// Day at 1-2, month at 4-5, year at 7-10 of the text; the separators are not examined.
ReadDate readDateAt(std::string_view text, std::size_t position)
{
    const std::optional<int> day = wholeNumber(charactersAt(text, position, 2));
    const std::optional<int> month = wholeNumber(charactersAt(text, position + 3, 2));
    const std::optional<int> year = wholeNumber(charactersAt(text, position + 6, 4));
    if (!day || !month || !year)
        return {};
    if (text.size() < position + 9 || !isValidDate(*year, *month, *day))
        return {DateState::Invalid, 0};
    return {DateState::Valid, toDayNumber(*year, *month, *day)};
}

// The date text a line gives: ten characters, or day and month completed by a leap year.
std::string dateTextOf(std::string_view line, EntryLineReading& reading)
{
    const int block = reading.form.block;
    if (block == blockNumber(BlockKind::NameDays) || block == blockNumber(BlockKind::Yearly)) {
        std::string year = std::to_string(leapYearFrom(toCivil(reading.today).year));
        return charactersAt(line, 1, 5) + "." + std::string(4 - year.size(), '0') + year;
    }
    return charactersAt(line, 1, 10);
}

void readBirthYear(const std::string& date, EntryLineReading& reading)
{
    if (wholeNumber(date.substr(6)) != kUnknownBirthYear)
        return;
    const CivilDate birthday = toCivil(reading.form.date);
    reading.form.birthYearUnknown = true;
    reading.form.date = toDayNumber(toCivil(reading.today).year, birthday.month, birthday.day);
}

void readDate(std::string_view line, EntryLineReading& reading)
{
    const std::string date = dateTextOf(line, reading);
    const ReadDate read = readDateAt(date, 1);
    if (read.state == DateState::Valid) {
        reading.form.date = read.day;
        if (reading.form.block == blockNumber(BlockKind::Birthdays))
            readBirthYear(date, reading);
    } else if (reading.form.block == blockNumber(BlockKind::Yearly) && date.compare(0, 5, "99.02") == 0) {
        reading.form.lastDayOfFebruary = true;
    } else if (read.state == DateState::Invalid) {
        reading.warn("Der Termin enth\xE4lt das fehlerhafte Datum \"" + date + "\".\r\r" + kTodayInstead);
    } else {
        reading.warn("Der Termin enth\xE4lt ein fehlerhaftes Datum.\r\r" + kTodayInstead);
    }
}

// The interval in days, shown in weeks when it is a whole number of them.
std::size_t readInterval(std::string_view line, EntryLineReading& reading)
{
    const IntervalField field = intervalFieldOf(line);
    const std::optional<int> days = wholeNumber(field.written);
    if (!days || *days < 1 || *days > kMaxInterval) {
        reading.warn("Der Termin enth\xE4lt eine ung\xFCltige Anzahl von Tagen.\r\rDaher wird eine "
                     "Wiederholung von einem Tag ber\xFC"
                     "cksichtigt");
        return field.textPosition;
    }
    reading.form.repeatInWeeks = *days % kDaysPerWeek == 0;
    reading.form.repeatCount = std::to_string(reading.form.repeatInWeeks ? *days / kDaysPerWeek : *days);
    return field.textPosition;
}

// Text from position 12 to the first bar, without the blank written before it; after the bar the
// second part.
void readSinceYearsText(std::string_view line, EntryLineReading& reading)
{
    const std::string rest = restFrom(line, 12);
    const std::size_t bar = rest.find('|');
    if (bar == std::string::npos) {
        reading.warn("Der 3. Teil der Terminbeschreibung fehlt. Bitte vorgeben.");
        readEntryOptions(rest, reading);
        return;
    }
    const bool blankBefore = bar > 0 && rest[bar - 1] == ' ';
    reading.form.text2 = rest.substr(bar + 1);
    readEntryOptions(rest.substr(0, blankBefore ? bar - 1 : bar), reading);
}

void readDatedLine(std::string_view line, EntryLineReading& reading)
{
    readDate(line, reading);
    const BlockKind block = static_cast<BlockKind>(reading.form.block);
    if (block == BlockKind::SinceYears)
        return readSinceYearsText(line, reading);
    std::size_t textPosition = 12;
    if (block == BlockKind::NameDays || block == BlockKind::Yearly)
        textPosition = 7;
    else if (block == BlockKind::EveryXDays)
        textPosition = readInterval(line, reading);
    readEntryOptions(restFrom(line, textPosition), reading);
}

std::optional<int> readWeekdayItem(std::string_view line, std::size_t position, EntryLineReading& reading)
{
    if (const std::optional<int> weekday = weekdayOfPair(charactersAt(line, position, 2)))
        return *weekday - 1;
    reading.warn("Der Wochentag des Termins kann nicht ermittelt werden.");
    return std::nullopt;
}

void readWeeklyLine(std::string_view line, EntryLineReading& reading)
{
    reading.form.weekdayItem = readWeekdayItem(line, 1, reading).value_or(0);
    readEntryOptions(restFrom(line, 4), reading);
}

void readXthWeekdayLine(std::string_view line, EntryLineReading& reading)
{
    EntryForm& form = reading.form;
    form.weekdayItem = readWeekdayItem(line, 3, reading).value_or(0);
    const std::optional<int> ordinal = line.empty() ? std::nullopt : xthOrdinal(line[0]);
    if (!ordinal)
        reading.warn("Der wievielte Wochentag des Termins kann nicht ermittelt werden.");
    else
        form.xthWeekdayItem = *ordinal == kLastWeekdayOrdinal ? kLastXthWeekdayItem : *ordinal - 1;
    const std::optional<int> month = xthMonth(charactersAt(line, 6, 2));
    if (!month)
        reading.warn("Der Monat des Termins kann nicht ermittelt werden.");
    form.monthItem = month.value_or(kEveryMonthItem);
    readEntryOptions(restFrom(line, 9), reading);
}

void readMonthlyLine(std::string_view line, EntryLineReading& reading)
{
    const std::optional<int> day = signedNumber(charactersAt(line, 1, 3));
    if (day && *day != 0 && *day >= -31 && *day <= 31) {
        reading.form.fromMonthEnd = *day < 0;
        reading.form.dayOfMonthItem = (*day < 0 ? -*day : *day) - 1;
    } else {
        reading.warn("Der Tag kann nicht ermittelt werden.\r\rDaher wird der Monatserste ber\xFC"
                     "cksichtigt.");
    }
    readEntryOptions(restFrom(line, 5), reading);
}

void readHolidayLine(std::string_view line, EntryLineReading& reading)
{
    const ReadDate start = readDateAt(line, 1);
    if (start.state == DateState::Valid)
        reading.form.date = start.day;
    else
        reading.warn("Der Ferienbeginn ist kein g\xFCltiges Datum.\r\r" + kTodayInstead);
    const ReadDate end = readDateAt(line, 12);
    if (end.state == DateState::Valid)
        reading.form.holidayEnd = end.day;
    else
        reading.warn("Das Ferienende ist kein g\xFCltiges Datum.\r\r" + kTodayInstead);
    readEntryOptions(restFrom(line, 23), reading);
}

void readLine(std::string_view line, EntryLineReading& reading)
{
    switch (static_cast<BlockKind>(reading.form.block)) {
    case BlockKind::Weekly:
        return readWeeklyLine(line, reading);
    case BlockKind::XthWeekday:
        return readXthWeekdayLine(line, reading);
    case BlockKind::Monthly:
        return readMonthlyLine(line, reading);
    case BlockKind::SchoolHolidays:
        return readHolidayLine(line, reading);
    default:
        return readDatedLine(line, reading);
    }
}

} // namespace

DecomposedLine decompose(int block, std::string_view line, DayNumber today, int minuteNow)
{
    EntryLineReading reading{entryFormOn(block, today), {}, today, minuteNow};
    reading.form.alarmMinute = minuteNow;
    if (block < 0 || block >= kUserBlockCount) {
        reading.warn("Unbekannter Terminblock in C_PSBT_aendernClick. Bitte den Programmierer informieren.");
        return {reading.form, reading.warnings};
    }
    if (!line.empty() && line[0] == '~') {
        reading.form.deactivated = true;
        line.remove_prefix(1);
    }
    readLine(line, reading);
    return {std::move(reading.form), std::move(reading.warnings)};
}

bool isBlankEntryLine(std::string_view line)
{
    for (char c : line)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

} // namespace notavi
