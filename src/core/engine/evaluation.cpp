#include "core/engine/evaluation.h"

#include "core/calendar/german_text.h"
#include "core/model/line_excerpt.h"
#include "core/model/line_options.h"

#include <array>

namespace notavi {
namespace {

constexpr std::size_t kMaxTextLength = 999;
constexpr std::string_view kPeriodName = "Terminzeitraum";

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    for (std::string_view candidate : names)
        if (name == candidate)
            return true;
    return false;
}

// Names under which a 29 February is accepted whatever the year (the day exists in some years).
bool toleratesLeapDay(std::string_view name)
{
    return isOneOf(name, {"Geburtstage ", "Namenstage", "Monatliche Termine",
                          "J\xE4"
                          "hrliche Termine",
                          "Seit x Jahren "});
}

bool shiftsLeapDayToFebruary28(std::string_view name)
{
    return isOneOf(name, {"Geburtstage ", "Namenstage", "Seit x Jahren ",
                          "J\xE4"
                          "hrliche Termine"});
}

std::string dayWord(int dayOffset)
{
    switch (dayOffset) {
    case 0:
        return "Heute";
    case 1:
        return "Morgen";
    case 2:
        return "\xDC"
               "bermorgen";
    case 7:
        return "In einer Woche";
    default:
        return "In " + std::to_string(dayOffset) + " Tagen";
    }
}

// The characters of an option field at the start of the text, for the message about an invalid
// one; copied only when a field can stand there at all.
std::string fieldText(const std::string& text, std::size_t length)
{
    return !text.empty() && text[0] == '~' ? text.substr(1, length) : std::string();
}

} // namespace

Evaluation::Evaluation(Lines& fileLines, const EvaluationContext& ctx, EvaluationPass evaluationPass,
                       ViewMode mode, ViewRange range)
    : lines(fileLines), context(ctx), pass(evaluationPass), viewMode(mode), rangeStart(range.start),
      rangeLength(range.length), rangeDate(toCivil(range.start)), rangeWeekday(isoWeekday(range.start)),
      schoolHolidayDays(static_cast<std::size_t>(range.length + 1), false),
      daysWithEntries(static_cast<std::size_t>(range.length + 1), false), texts(std::make_shared<ViewTexts>())
{
    texts->firstDay = range.start;
    texts->phrases.resize(static_cast<std::size_t>(range.length + 1));
}

bool Evaluation::switchOf(BlockKind block) const
{
    return !isErrorCheck() && context.options.shows(block);
}

std::string Evaluation::lineFrom(std::size_t position) const
{
    const std::string& text = line();
    std::size_t from = position - 1;
    return from < text.size() ? text.substr(from, kMaxTextLength) : std::string();
}

void Evaluation::setEntryTextFrom(std::size_t position)
{
    const std::string& text = line();
    const std::size_t from = position - 1;
    if (from < text.size())
        entryText.assign(text, from, kMaxTextLength);
    else
        entryText.clear();
}

std::string Evaluation::quotedLine() const
{
    return "\"" + (atEnd() ? std::string() : lineExcerpt(line())) + "\"";
}

void Evaluation::reportLineError(std::string message, std::size_t lineIndex, bool blockLevel,
                                 std::string_view blockName)
{
    // A line that already produced an entry in this pass reported its errors with the first one.
    if (pass != EvaluationPass::ErrorCheck && repeatEntry)
        return;
    context.errors.report(
        {std::move(message), static_cast<int>(lineIndex), blockLevel, std::string(blockName)});
}

bool Evaluation::dateCheck(std::string_view dateText, std::string_view name)
{
    bool wellFormed = isWellFormedDateText(dateText);
    if (wellFormed && parseDateText(dateText))
        return true;
    if (name == "ohne ML")
        return false;
    if (wellFormed && startsWith(dateText, "29.02") && toleratesLeapDay(name))
        return false;
    std::string date(dateText);
    if (startsWith(name, kPeriodName)) {
        reportLineError(quotedLine() + " enth\xE4lt im Terminzeitraum das nicht korrekte Datum \"" + date +
                            "\". Der Terminzeitraum wird daher ignoriert.",
                        currentLine, false, name.substr(kPeriodName.size()));
        return false;
    }
    reportLineError(quotedLine() + " enth\xE4lt das nicht korrekte Datum \"" + date + "\".", currentLine,
                    false, name);
    return false;
}

bool Evaluation::anniversaryRangeTest(std::string_view dateText, std::string_view name)
{
    nextYearHit = false;
    std::optional<DayNumber> date;
    if (dateCheck(dateText, name)) {
        date = parseDateText(dateText);
    } else if (shiftsLeapDayToFebruary28(name) && startsWith(dateText, "29.02") &&
               !isLeapYear(rangeDate.year)) {
        // A text too short to carry a year must not throw; it yields no date.
        std::string_view year = dateText.size() > 6 ? dateText.substr(6, 4) : std::string_view();
        date = parseDateText("28.02." + std::string(year));
    }
    if (!date)
        return false;
    dayOffset = *date - rangeStart;
    if (dayOffset >= 0 && dayOffset <= rangeLength)
        return true;
    if (viewMode == ViewMode::Year)
        return false;
    dayOffset = addYears(*date, 1) - rangeStart;
    nextYearHit = dayOffset >= 0 && dayOffset <= rangeLength;
    return nextYearHit;
}

void Evaluation::compose(std::string_view verb, bool shown, BlockKind block)
{
    const std::string& blockName = BlockCatalogue::displayName(blockNumber(block));
    const DayNumber day = rangeStart + dayOffset;
    const bool dayInRange = dayOffset >= 0 && dayOffset <= rangeLength;
    bool hidden = false;

    if (takeHolidayFlag(entryText))
        hidden = dayInRange && schoolHolidayDays[static_cast<std::size_t>(dayOffset)];

    PeriodField period;
    if (takePeriod(entryText, period)) {
        if (block == BlockKind::OneTime || block == BlockKind::SchoolHolidays) {
            reportLineError(
                quotedLine() + " enth\xE4lt einen Terminzeitraum.\rTermine im Terminblock " + blockName +
                    " d\xFCrfen keinen Terminzeitraum enthalten.\rDer Terminzeitraum wird daher ignoriert.",
                currentLine, false, blockName);
        } else {
            std::string periodName = std::string(kPeriodName) + blockName;
            bool beginValid = dateCheck(period.beginText, periodName);
            bool endValid = dateCheck(period.endText, periodName);
            if (beginValid && endValid) {
                DayNumber begin = *parseDateText(period.beginText);
                DayNumber end = *parseDateText(period.endText);
                if (begin > end)
                    reportLineError(quotedLine() +
                                        " enth\xE4lt unsinnige Angaben zum Terminzeitram.\rDas Ende des "
                                        "Terminzeiraums (" +
                                        period.endText + ") liegt vor dem Beginn des Terminzeitraums (" +
                                        period.beginText + ").\rDer Terminzeitraum wird daher ignoriert.",
                                    currentLine, false, blockName);
                else if (day < begin || day > end)
                    hidden = true;
            }
        }
    }

    std::string alarmText = fieldText(entryText, 5);
    AlarmField alarm;
    if (takeAlarm(entryText, alarm) && !alarm.valid)
        reportLineError(" " + quotedLine() + " enth\xE4lt die ung\xFCltige Alarmzeit \"" + alarmText + "\".",
                        currentLine, false, blockName);

    std::string colourText = fieldText(entryText, 2);
    ColourField colour;
    if (takeColour(entryText, colour) && !colour.valid)
        reportLineError(" " + quotedLine() + " enth\xE4lt den ung\xFCltigen Farbcode \"" + colourText +
                            "\".\r\rEs wird daher der Standardfarbcode ber\xFC"
                            "cksichtigt.",
                        currentLine, false, blockName);

    if (isErrorCheck() || !shown || hidden)
        return;

    if (alarm.valid && day == context.clock.today()) {
        int now = context.clock.minuteOfDay();
        if (now < alarm.minuteOfDay || (now == 0 && alarm.minuteOfDay == 0))
            context.alarms.push_back({alarm.minuteOfDay, "Heute " + std::string(verb) + entryText});
    }
    if (pass == EvaluationPass::Alarm)
        return;
    addEntry(verb, entryText, colour.code, block);
}

void Evaluation::internalEntry(std::string text, BlockKind block)
{
    entryText = std::move(text);
    const bool before = viewMode == ViewMode::LastFourWeeks && dayOffset != rangeLength;
    compose(before ? "war " : "ist ", true, block);
}

void Evaluation::addEntry(std::string_view verb, const std::string& text, int colour, BlockKind block)
{
    ViewText entryOf;
    // Computed blocks run after the walk over the file and have no line of their own.
    const bool internal = blockNumber(block) >= kUserBlockCount;
    entryOf.sourceLine = internal ? kInternalSourceLine : static_cast<int>(currentLine);
    entryOf.colour = static_cast<std::uint8_t>(colour);
    entryOf.block = static_cast<std::uint8_t>(blockNumber(block));
    std::uint32_t index = 0;
    if (dayOffset >= 0 && dayOffset <= rangeLength) {
        daysWithEntries[static_cast<std::size_t>(dayOffset)] = true;
        makeDayPhrase(dayOffset);
        entryOf.flags = ViewText::kDayPhrase;
        index = textOf(entryOf, verb, text);
    } else {
        // Never produced by the evaluators; kept visible so that such a fault shows in the view.
        index = texts->add(entryOf, "*** Fehler: V_IN_Differenz = " + std::to_string(dayOffset) +
                                        std::to_string(entryOf.sourceLine));
    }
    made.push_back({rangeStart + dayOffset, index});
}

std::uint32_t Evaluation::textOf(const ViewText& entryOf, std::string_view verb, std::string_view text)
{
    const ViewText& last = texts->texts.back();
    if (last.sourceLine == entryOf.sourceLine && last.colour == entryOf.colour &&
        last.block == entryOf.block && last.flags == entryOf.flags &&
        last.rest.size() == verb.size() + text.size() && last.rest.starts_with(verb) &&
        last.rest.ends_with(text))
        return static_cast<std::uint32_t>(texts->texts.size() - 1);
    return texts->add(entryOf, verb, text);
}

void Evaluation::makeDayPhrase(int offset)
{
    std::string_view& phrase = texts->phrases[static_cast<std::size_t>(offset)];
    if (!phrase.empty())
        return;
    const DayNumber day = rangeStart + offset;
    if (viewMode == ViewMode::Week) {
        const std::string weekday =
            context.options.weekdayToday ? " (" + weekdayName((rangeWeekday + offset) % 7) + ") " : " ";
        phrase = texts->store.append(dayWord(offset), weekday);
    } else if (context.options.weekdayRest) {
        phrase = texts->store.append("Am " + weekdayNameOf(day) + ", dem ", formatDate(day) + " ");
    } else {
        phrase = texts->store.append("Am ", formatDate(day) + " ");
    }
}

} // namespace notavi
