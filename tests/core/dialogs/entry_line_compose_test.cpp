#include "core/dialogs/entry_line_compose.h"
#include "dialog_test_values.h"

#include <functional>

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

using Kind = ComposeResult::Kind;

struct ComposeCase
{
    const char* label;
    int block;
    std::function<void(EntryForm&)> fill;
    Kind kind;
    std::string lineOrMessage;
    EntryControl focus = EntryControl::None;
};

EntryForm formFor(const ComposeCase& c)
{
    EntryForm form = entryFormOn(c.block, kToday);
    form.text1 = "T";
    c.fill(form);
    return form;
}

void expectComposes(const std::vector<ComposeCase>& cases)
{
    for (const ComposeCase& c : cases) {
        SCOPED_TRACE(c.label);
        const ComposeResult result = compose(formFor(c), kToday);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(c.kind == Kind::Line ? result.line : result.message, c.lineOrMessage);
        EXPECT_EQ(result.focus, c.focus);
    }
}

const std::string kZeroMessage = "Ein Wert von 0 als Wiederholungszeitraum ist nicht zul\xE4ssig.\r\r"
                                 "            Bitte korrigieren Sie die den Wert!";
const std::string kWeeksMessage = "Notavi kann maximal 142 Wochen ber\xFC"
                                  "cksichtigen.\r\rBitte korrigieren Sie die Anzahl der Wochen!";

TEST(ComposeEntryLine, DatePartOfEveryBlock)
{
    expectComposes({
        {"birthday", 0, [](EntryForm& f) { f.date = dayOf(1, 5, 1980); }, Kind::Line, "01.05.1980 T"},
        {"birthday with unknown year keeps day and month", 0,
         [](EntryForm& f) {
             f.date = dayOf(1, 5, 1980);
             f.birthYearUnknown = true;
         },
         Kind::Line, "01.05.9999 T"},
        {"name day on 29 February", 1, [](EntryForm& f) { f.date = dayOf(29, 2, 2028); }, Kind::Line,
         "29.02 T"},
        {"weekly on Friday", 2, [](EntryForm& f) { f.weekdayItem = 4; }, Kind::Line, "Fr T"},
        {"two-weekly", 3, [](EntryForm& f) { f.date = dayOf(3, 2, 2025); }, Kind::Line, "03.02.2025 T"},
        {"six-weekly", 5, [](EntryForm& f) { f.date = dayOf(3, 2, 2025); }, Kind::Line, "03.02.2025 T"},
        {"monthly on the 15th", 6, [](EntryForm& f) { f.dayOfMonthItem = 14; }, Kind::Line, "+15 T"},
        {"monthly second-to-last day", 6,
         [](EntryForm& f) {
             f.dayOfMonthItem = 1;
             f.fromMonthEnd = true;
         },
         Kind::Line, "-02 T"},
        {"yearly", 7, [](EntryForm& f) { f.date = dayOf(21, 6, 2028); }, Kind::Line, "21.06 T"},
        {"yearly last day of February whatever the date", 7,
         [](EntryForm& f) {
             f.date = dayOf(10, 10, 2025);
             f.lastDayOfFebruary = true;
         },
         Kind::Line, "99.02 T"},
        {"x-th weekday: fifth", 9,
         [](EntryForm& f) {
             f.xthWeekdayItem = 4;
             f.weekdayItem = 0;
         },
         Kind::Line, "5.Mo 00 T"},
        {"x-th weekday: last, in May", 9,
         [](EntryForm& f) {
             f.xthWeekdayItem = 5;
             f.weekdayItem = 6;
             f.monthItem = 5;
         },
         Kind::Line, "9.So 05 T"},
        {"one-time today", 12, [](EntryForm&) {}, Kind::Line, "15.06.2025 T"},
        {"since years with both parts", 8,
         [](EntryForm& f) {
             f.date = dayOf(9, 9, 1999);
             f.text1 = "haben wir unseren";
             f.text2 = ". Hochzeitstag!";
         },
         Kind::Line, "09.09.1999 haben wir unseren |. Hochzeitstag!"},
    });
}

TEST(ComposeEntryLine, EveryXDaysInterval)
{
    const auto interval = [](const char* typed, bool weeks) {
        return [typed, weeks](EntryForm& f) {
            f.date = dayOf(5, 7, 2002);
            f.repeatCount = typed;
            f.repeatInWeeks = weeks;
        };
    };
    ComposeCase zero{"0 is refused", 10,           interval("0", false),
                     Kind::Refusal,  kZeroMessage, EntryControl::RepeatCount};
    expectComposes({
        {"days padded to three digits", 10, interval("7", false), Kind::Line, "05.07.2002 007 T"},
        {"typed leading zeros", 10, interval("021", false), Kind::Line, "05.07.2002 021 T"},
        {"999 days", 10, interval("999", false), Kind::Line, "05.07.2002 999 T"},
        {"weeks written as days", 10, interval("2", true), Kind::Line, "05.07.2002 014 T"},
        {"142 weeks is the most", 10, interval("142", true), Kind::Line, "05.07.2002 994 T"},
        {"143 weeks is refused", 10, interval("143", true), Kind::Refusal, kWeeksMessage,
         EntryControl::RepeatCount},
        zero,
        {"empty is refused", 10, interval("", false), Kind::Refusal, kZeroMessage, EntryControl::RepeatCount},
        {"0 weeks is refused", 10, interval("000", true), Kind::Refusal, kZeroMessage,
         EntryControl::RepeatCount},
        {"no digits count as no value", 10, interval("1a", false), Kind::Refusal, kZeroMessage,
         EntryControl::RepeatCount},
    });
    EXPECT_TRUE(compose(formFor(zero), kToday).repeatCountSetToZero);
}

TEST(ComposeEntryLine, HolidayAndOneTimeDates)
{
    const auto holiday = [](DayNumber start, DayNumber end) {
        return [start, end](EntryForm& f) {
            f.date = start;
            f.holidayEnd = end;
        };
    };
    expectComposes({
        {"one-day holiday", 11, holiday(dayOf(20, 6, 2025), dayOf(20, 6, 2025)), Kind::Line,
         "20.06.2025-20.06.2025 T"},
        {"holiday end before start", 11, holiday(dayOf(20, 6, 2025), dayOf(19, 6, 2025)), Kind::Refusal,
         "Das Ferienende darf nicht vor dem Ferienbeginn liegen.\r\rBei eint\xE4gigen Ferien ist das "
         "Ferienende identisch mit dem Ferienbeginn. Beide sind vorzugeben.",
         EntryControl::HolidayEnd},
        {"holiday that ended yesterday", 11, holiday(dayOf(1, 6, 2025), dayOf(14, 6, 2025)), Kind::Question,
         "Achtung!\r\rSie beabsichtigen einen Ferientermin anzulegen, der in der\rVergangenheit liegt. Soll "
         "dieser Termin so angelegt werden?",
         EntryControl::HolidayEnd},
        {"holiday ending today", 11, holiday(dayOf(1, 6, 2025), kToday), Kind::Line,
         "01.06.2025-15.06.2025 T"},
        {"one-time yesterday", 12, [](EntryForm& f) { f.date = kToday - 1; }, Kind::Question,
         "Achtung!\r\rSie beabsichtigen einen einmaligen Termin anzulegen, der in der\rVergangenheit liegt. "
         "Soll dieser Termin so angelegt werden?",
         EntryControl::Date},
        {"a past date elsewhere asks nothing", 3, [](EntryForm& f) { f.date = dayOf(1, 1, 2000); },
         Kind::Line, "01.01.2000 T"},
    });
}

TEST(ComposeEntryLine, AnsweredQuestionsLetThePastDateStand)
{
    EntryForm holiday = entryFormOn(11, kToday);
    holiday.date = dayOf(1, 6, 2025);
    holiday.holidayEnd = dayOf(14, 6, 2025);
    holiday.text1 = "Pfingsten";
    const ComposeResult asked = compose(holiday, kToday);
    ASSERT_EQ(asked.kind, Kind::Question);
    EXPECT_EQ(asked.question, EntryQuestion::PastHoliday);
    const ComposeResult answered = compose(holiday, kToday, AcceptedQuestions{}.with(asked.question));
    EXPECT_EQ(answered.kind, Kind::Line);
    EXPECT_EQ(answered.line, "01.06.2025-14.06.2025 Pfingsten");

    EntryForm weekly = entryFormOn(2, kToday);
    weekly.periodOn = true;
    weekly.periodBegin = dayOf(1, 1, 2025);
    weekly.periodEnd = dayOf(31, 5, 2025);
    weekly.text1 = "T";
    const ComposeResult periodAsked = compose(weekly, kToday, AcceptedQuestions{}.with(asked.question));
    ASSERT_EQ(periodAsked.kind, Kind::Question);
    EXPECT_EQ(periodAsked.question, EntryQuestion::PastPeriodEnd);
    EXPECT_EQ(compose(weekly, kToday, AcceptedQuestions{}.with(EntryQuestion::PastPeriodEnd)).line,
              "Mo ~01.01.2025-31.05.2025~ T");
}

TEST(ComposeEntryLine, OptionsInTheirOrder)
{
    const auto period = [](DayNumber begin, DayNumber end, bool endGiven) {
        return [begin, end, endGiven](EntryForm& f) {
            f.periodOn = true;
            f.periodBegin = begin;
            f.periodEnd = end;
            f.periodEndGiven = endGiven;
        };
    };
    const std::string endBeforeBegin = "Das Ende des Terminzeitraums darf nicht vor dessen Beginn liegen.";
    expectComposes({
        {"every option", 2, [](EntryForm& f) { setEveryOption(f, 5); }, Kind::Line,
         "Mo ~F~ ~01.07.2025-31.12.2025~ ~07:05~ ~05~ T"},
        {"period with begin equal to end", 2, period(dayOf(1, 7, 2025), dayOf(1, 7, 2025), true), Kind::Line,
         "Mo ~01.07.2025-01.07.2025~ T"},
        {"period end before begin, end given", 2, period(dayOf(2, 7, 2025), dayOf(1, 7, 2025), true),
         Kind::Refusal, endBeforeBegin, EntryControl::PeriodEnd},
        {"period end before begin, end computed", 2, period(dayOf(2, 7, 2025), dayOf(1, 7, 2025), false),
         Kind::Refusal, endBeforeBegin, EntryControl::PeriodCount},
        {"period ended in the past", 2, period(dayOf(1, 1, 2025), dayOf(14, 6, 2025), false), Kind::Question,
         "Achtung!\r\rSie beabsichtigen einen Termin anzulegen, dessen Terminzeitraum\rin der Vergangenheit "
         "endet. Soll dieser Termin so angelegt werden?",
         EntryControl::PeriodCount},
        {"no period for holidays", 11, period(dayOf(1, 7, 2025), dayOf(1, 8, 2025), true), Kind::Line,
         "15.06.2025-15.06.2025 T"},
        {"no period for one-time appointments, not even a wrong one", 12,
         period(dayOf(2, 7, 2025), dayOf(1, 7, 2025), true), Kind::Line, "15.06.2025 T"},
        {"standard colour writes no field", 2, [](EntryForm& f) { f.colourItem = 0; }, Kind::Line, "Mo T"},
        {"orange", 2, [](EntryForm& f) { f.colourItem = 17; }, Kind::Line, "Mo ~17~ T"},
        {"alarm at midnight", 2,
         [](EntryForm& f) {
             f.alarmOn = true;
             f.alarmMinute = 0;
         },
         Kind::Line, "Mo ~00:00~ T"},
        {"deactivated: the mark before the date part", 7,
         [](EntryForm& f) {
             f.deactivated = true;
             f.lastDayOfFebruary = true;
             f.notInHolidays = true;
         },
         Kind::Line, "~99.02 ~F~ T"},
    });
}

TEST(ComposeEntryLine, MendedInput)
{
    expectComposes({
        {"29 February cannot stand with the unknown year 9999", 0,
         [](EntryForm& f) {
             f.date = dayOf(29, 2, 2024);
             f.birthYearUnknown = true;
         },
         Kind::Refusal,
         "Ein Geburtstag am 29. Februar kann nicht mit unbekanntem Geburtsjahr angelegt werden,\rdenn das "
         "Jahr 9999 ist kein Schaltjahr.\r\rBitte geben Sie das Geburtsjahr vor!",
         EntryControl::Date},
        {"line breaks in a text would split the line", 8,
         [](EntryForm& f) {
             f.text1 = "a\r\nb";
             f.text2 = "c\nd";
         },
         Kind::Line, "15.06.2025 a  b |c d"},
        {"list items out of range count as the first", 9,
         [](EntryForm& f) {
             f.xthWeekdayItem = 6;
             f.weekdayItem = -1;
             f.monthItem = 13;
         },
         Kind::Line, "1.Mo 00 T"},
        {"unknown block", 13, [](EntryForm&) {}, Kind::Refusal,
         "Unbekannter Terminblock in C_PSBT_OKClick. Bitte den Programmierer informieren."},
    });
}

} // namespace
} // namespace notavi::test
