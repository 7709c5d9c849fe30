#include "core/dialogs/entry_line_compose.h"

#include "core/calendar/german_text.h"
#include "core/model/block_catalogue.h"
#include "core/model/colour_table.h"

#include <array>
#include <optional>

namespace notavi {
namespace {

constexpr int kMaxWeeks = 142;
constexpr std::size_t kMaxRepeatDigits = 3; // the edit field takes three characters
constexpr int kMinutesPerDay = 24 * 60;

// The date part of the line, or the reply that stops OK.
struct DatePart
{
    std::string text;
    std::optional<ComposeResult> stop;
};

ComposeResult refusal(std::string message, EntryControl focus)
{
    ComposeResult result;
    result.kind = ComposeResult::Kind::Refusal;
    result.message = std::move(message);
    result.focus = focus;
    return result;
}

ComposeResult question(EntryQuestion asked, std::string message, EntryControl focusOnNo)
{
    ComposeResult result;
    result.kind = ComposeResult::Kind::Question;
    result.question = asked;
    result.message = std::move(message);
    result.focus = focusOnNo;
    return result;
}

// An item index outside its list counts as the first item: the window's lists cannot hold it.
int itemIn(int item, int count)
{
    return item >= 0 && item < count ? item : 0;
}

std::string weekdayLetters(int item)
{
    static const std::array<std::string, 7> kLetters = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    return kLetters[static_cast<std::size_t>(itemIn(item, 7))];
}

std::string threeDigits(int n)
{
    const std::string digits = std::to_string(n);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

// The typed interval: one to three digits; anything else counts as no value.
int typedRepeatCount(const std::string& typed)
{
    if (typed.empty() || typed.size() > kMaxRepeatDigits)
        return 0;
    int value = 0;
    for (char c : typed) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

DatePart repeatInterval(const EntryForm& form)
{
    const int typed = typedRepeatCount(form.repeatCount);
    if (typed == 0) {
        ComposeResult zero = refusal("Ein Wert von 0 als Wiederholungszeitraum ist nicht zul\xE4ssig.\r\r"
                                     "            Bitte korrigieren Sie die den Wert!",
                                     EntryControl::RepeatCount);
        zero.repeatCountSetToZero = true;
        return {"", zero};
    }
    if (form.repeatInWeeks && typed > kMaxWeeks)
        return {"", refusal("Notavi kann maximal 142 Wochen ber\xFC"
                            "cksichtigen.\r\rBitte korrigieren Sie die Anzahl der Wochen!",
                            EntryControl::RepeatCount)};
    return {threeDigits(form.repeatInWeeks ? typed * 7 : typed), std::nullopt};
}

// 29 February with the unknown year 9999 would be no date at all: the view would reject the line.
DatePart birthdayDate(const EntryForm& form, const std::string& date)
{
    if (!form.birthYearUnknown)
        return {date, std::nullopt};
    if (date.compare(0, 6, "29.02.") == 0)
        return {"", refusal("Ein Geburtstag am 29. Februar kann nicht mit unbekanntem Geburtsjahr "
                            "angelegt werden,\rdenn das Jahr 9999 ist kein Schaltjahr.\r\r"
                            "Bitte geben Sie das Geburtsjahr vor!",
                            EntryControl::Date)};
    return {date.substr(0, 6) + "9999", std::nullopt};
}

std::string xthWeekdayPart(const EntryForm& form)
{
    const int item = itemIn(form.xthWeekdayItem, kLastXthWeekdayItem + 1);
    const std::string ordinal = item == kLastXthWeekdayItem ? "9" : std::to_string(item + 1);
    return ordinal + "." + weekdayLetters(form.weekdayItem) + " " + twoDigits(itemIn(form.monthItem, 13));
}

std::string monthlyPart(const EntryForm& form)
{
    return (form.fromMonthEnd ? "-" : "+") + twoDigits(itemIn(form.dayOfMonthItem, 31) + 1);
}

DatePart datePartOf(const EntryForm& form)
{
    const std::string date = formatDate(form.date);
    switch (static_cast<BlockKind>(form.block)) {
    case BlockKind::Birthdays:
        return birthdayDate(form, date);
    case BlockKind::NameDays:
        return {date.substr(0, 5), std::nullopt};
    case BlockKind::Weekly:
        return {weekdayLetters(form.weekdayItem), std::nullopt};
    case BlockKind::Monthly:
        return {monthlyPart(form), std::nullopt};
    case BlockKind::Yearly:
        return {form.lastDayOfFebruary ? "99.02" : date.substr(0, 5), std::nullopt};
    case BlockKind::XthWeekday:
        return {xthWeekdayPart(form), std::nullopt};
    case BlockKind::EveryXDays: {
        DatePart interval = repeatInterval(form);
        interval.text = date + " " + interval.text;
        return interval;
    }
    case BlockKind::SchoolHolidays:
        return {date + "-" + formatDate(form.holidayEnd), std::nullopt};
    default: // two-, four-, six-weekly, since years, one-time
        return {date, std::nullopt};
    }
}

std::optional<ComposeResult> checkHolidayDates(const EntryForm& form, DayNumber today,
                                               AcceptedQuestions accepted)
{
    if (form.date > form.holidayEnd)
        return refusal(
            "Das Ferienende darf nicht vor dem Ferienbeginn liegen.\r\rBei eint\xE4gigen Ferien ist "
            "das Ferienende identisch mit dem Ferienbeginn. Beide sind vorzugeben.",
            EntryControl::HolidayEnd);
    if (form.holidayEnd < today && !accepted.pastHoliday)
        return question(EntryQuestion::PastHoliday,
                        "Achtung!\r\rSie beabsichtigen einen Ferientermin anzulegen, der in der\r"
                        "Vergangenheit liegt. Soll dieser Termin so angelegt werden?",
                        EntryControl::HolidayEnd);
    return std::nullopt;
}

std::optional<ComposeResult> checkOneTimeDate(const EntryForm& form, DayNumber today,
                                              AcceptedQuestions accepted)
{
    if (form.date < today && !accepted.pastOneTime)
        return question(EntryQuestion::PastOneTime,
                        "Achtung!\r\rSie beabsichtigen einen einmaligen Termin anzulegen, der in der\r"
                        "Vergangenheit liegt. Soll dieser Termin so angelegt werden?",
                        EntryControl::Date);
    return std::nullopt;
}

std::optional<ComposeResult> checkPeriod(const EntryForm& form, DayNumber today, AcceptedQuestions accepted)
{
    const EntryControl focus = form.periodEndGiven ? EntryControl::PeriodEnd : EntryControl::PeriodCount;
    if (form.periodBegin > form.periodEnd)
        return refusal("Das Ende des Terminzeitraums darf nicht vor dessen Beginn liegen.", focus);
    if (form.periodEnd < today && !accepted.pastPeriodEnd)
        return question(EntryQuestion::PastPeriodEnd,
                        "Achtung!\r\rSie beabsichtigen einen Termin anzulegen, dessen Terminzeitraum\r"
                        "in der Vergangenheit endet. Soll dieser Termin so angelegt werden?",
                        focus);
    return std::nullopt;
}

bool takesPeriod(int block)
{
    return block != blockNumber(BlockKind::SchoolHolidays) && block != blockNumber(BlockKind::OneTime);
}

std::string alarmField(int minute)
{
    return " ~" + formatTime((minute % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay) + "~";
}

// A line break in a text would split the appointment into two lines of the file.
std::string onOneLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::string textPart(const EntryForm& form)
{
    std::string text = " " + onOneLine(form.text1);
    if (form.block == blockNumber(BlockKind::SinceYears))
        text += " |" + onOneLine(form.text2);
    return text;
}

} // namespace

bool AcceptedQuestions::has(EntryQuestion asked) const
{
    switch (asked) {
    case EntryQuestion::PastHoliday:
        return pastHoliday;
    case EntryQuestion::PastOneTime:
        return pastOneTime;
    case EntryQuestion::PastPeriodEnd:
        return pastPeriodEnd;
    }
    return false;
}

AcceptedQuestions AcceptedQuestions::with(EntryQuestion asked) const
{
    AcceptedQuestions more = *this;
    more.pastHoliday |= asked == EntryQuestion::PastHoliday;
    more.pastOneTime |= asked == EntryQuestion::PastOneTime;
    more.pastPeriodEnd |= asked == EntryQuestion::PastPeriodEnd;
    return more;
}

ComposeResult compose(const EntryForm& form, DayNumber today, AcceptedQuestions accepted)
{
    if (form.block < 0 || form.block >= kUserBlockCount)
        return refusal("Unbekannter Terminblock in C_PSBT_OKClick. Bitte den Programmierer informieren.",
                       EntryControl::None);
    DatePart datePart = datePartOf(form);
    if (datePart.stop)
        return *datePart.stop;
    std::optional<ComposeResult> stop;
    if (form.block == blockNumber(BlockKind::SchoolHolidays))
        stop = checkHolidayDates(form, today, accepted);
    else if (form.block == blockNumber(BlockKind::OneTime))
        stop = checkOneTimeDate(form, today, accepted);
    if (stop)
        return *stop;

    std::string line = std::move(datePart.text);
    if (form.notInHolidays)
        line += " ~F~";
    if (form.periodOn && takesPeriod(form.block)) {
        if ((stop = checkPeriod(form, today, accepted)))
            return *stop;
        line += " ~" + formatDate(form.periodBegin) + "-" + formatDate(form.periodEnd) + "~";
    }
    if (form.alarmOn)
        line += alarmField(form.alarmMinute);
    if (form.colourItem > 0 && form.colourItem <= kColourCount)
        line += " ~" + twoDigits(form.colourItem) + "~";
    line += textPart(form);

    ComposeResult result;
    result.line = form.deactivated ? "~" + line : line;
    return result;
}

} // namespace notavi
