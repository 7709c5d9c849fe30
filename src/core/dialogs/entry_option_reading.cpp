#include "core/calendar/german_text.h"
#include "core/dialogs/entry_line_reading.h"
#include "core/model/block_catalogue.h"
#include "core/model/line_options.h"

#include <optional>

namespace notavi {
namespace {

// A period date that is no valid "TT.MM.JJJJ" is replaced by today.
std::optional<DayNumber> readPeriodDate(const std::string& written, const std::string& warningHead,
                                        EntryLineReading& reading)
{
    if (std::optional<DayNumber> day = parseDateText(written))
        return day;
    reading.warn(warningHead + written + ") ist\rung\xFCltig und wird durch das Tagesdatum ersetzt.");
    return std::nullopt;
}

void readPeriod(const PeriodField& period, EntryLineReading& reading)
{
    const int block = reading.form.block;
    if (block == blockNumber(BlockKind::SchoolHolidays) || block == blockNumber(BlockKind::OneTime)) {
        reading.warn("Ein Terminzeitraum ist nur bei wiederholenden Terminen zul\xE4ssig.\rEr wird daher "
                     "ignoriert und nach der Termin\xE4nderung automatisch entfernt.");
        return;
    }
    EntryForm& form = reading.form;
    form.periodOn = true;
    const std::optional<DayNumber> begin =
        readPeriodDate(period.beginText, "Der Beginn des Terminzeitraums (", reading);
    const std::optional<DayNumber> end =
        readPeriodDate(period.endText, "Das Ende des Terminzeitraums (", reading);
    form.periodBegin = begin.value_or(reading.today);
    form.periodEnd = end.value_or(reading.today);
    if (begin && end && *end < *begin)
        reading.warn("Das Ende des Terminzeitraums (" + period.endText + ") darf\rnicht vor dessen Beginn (" +
                     period.beginText + ") liegen.\rBitte korrigieren!");
}

void readAlarm(std::string& rest, EntryLineReading& reading)
{
    AlarmField alarm;
    reading.form.alarmOn = takeAlarm(rest, alarm);
    reading.form.alarmMinute = alarm.valid ? alarm.minuteOfDay : reading.minuteNow;
    if (reading.form.alarmOn && !alarm.valid)
        reading.warn("Die Alarmzeit des Termins ist ung\xFCltig und\rwird durch die aktuelle Zeit ersetzt.");
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

void readColour(std::string& rest, EntryLineReading& reading)
{
    const bool numeric = rest.size() >= 3 && isDigit(rest[1]) && isDigit(rest[2]);
    ColourField colour;
    if (!takeColour(rest, colour))
        return;
    reading.form.colourItem = colour.code;
    if (colour.valid)
        return;
    reading.warn(numeric ? "Der Farbcode ist ung\xFCltig (zu gro\xDF), daher \rwird die Standardfarbe ber\xFC"
                           "cksichtigt."
                         : "Der Farbcode ist ung\xFCltig (nicht numerisch),\rdaher wird die Standardfarbe "
                           "ber\xFC"
                           "cksichtigt.");
}

} // namespace

void readEntryOptions(std::string rest, EntryLineReading& reading)
{
    reading.form.notInHolidays = takeHolidayFlag(rest);
    PeriodField period;
    if (takePeriod(rest, period))
        readPeriod(period, reading);
    readAlarm(rest, reading);
    readColour(rest, reading);
    reading.form.text1 = std::move(rest);
}

} // namespace notavi
