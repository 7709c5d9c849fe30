#include "core/dialogs/entry_line_decompose.h"
#include "dialog_test_values.h"

#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi::test {
namespace {

using ::testing::ElementsAreArray;

struct DecomposeCase
{
    const char* label;
    int block;
    std::string line;
    std::function<void(EntryForm&)> expected; // changes against the form of a new appointment
    std::vector<std::string> warnings = {};
};

void expectDecomposes(const std::vector<DecomposeCase>& cases)
{
    for (const DecomposeCase& c : cases) {
        SCOPED_TRACE(c.label);
        EntryForm expected = entryFormOn(c.block, kToday);
        expected.alarmMinute = kMinuteNow;
        c.expected(expected);
        const DecomposedLine read = decompose(c.block, c.line, kToday, kMinuteNow);
        EXPECT_EQ(read.form, expected);
        EXPECT_THAT(read.warnings, ElementsAreArray(c.warnings));
    }
}

const std::string kTodayInstead = "Daher wird das Tagesdatum ber\xFC"
                                  "cksichtigt.";

std::function<void(EntryForm&)> text(std::string t)
{
    return [t](EntryForm& f) { f.text1 = t; };
}

TEST(DecomposeEntryLine, DatesOfTheDatedBlocks)
{
    expectDecomposes({
        {"yearly last day of February", 7, "99.02 Monatsende",
         [](EntryForm& f) {
             f.lastDayOfFebruary = true;
             f.text1 = "Monatsende";
         }},
        {"name day on 29 February opens in the next leap year", 1, "29.02 Roman",
         [](EntryForm& f) {
             f.date = dayOf(29, 2, 2028);
             f.text1 = "Roman";
         }},
        {"birthday with unknown year shows this year", 0, "01.05.9999 Anna",
         [](EntryForm& f) {
             f.birthYearUnknown = true;
             f.date = dayOf(1, 5, 2025);
             f.text1 = "Anna";
         }},
        {"29 February of the year 9999 is no date",
         0,
         "29.02.9999 Anna",
         text("Anna"),
         {"Der Termin enth\xE4lt das fehlerhafte Datum \"29.02.9999\".\r\r" + kTodayInstead}},
        {"a day that is not numeric; the rest is still read",
         0,
         "xx.05.1980 ~F~ Anna",
         [](EntryForm& f) {
             f.notInHolidays = true;
             f.text1 = "Anna";
         },
         {"Der Termin enth\xE4lt ein fehlerhaftes Datum.\r\r" + kTodayInstead}},
        {"a date cut short",
         12,
         "01.05.20",
         text(""),
         {"Der Termin enth\xE4lt das fehlerhafte Datum \"01.05.20\".\r\r" + kTodayInstead}},
        {"four-weekly", 4, "03.02.2025 Kehrwoche",
         [](EntryForm& f) {
             f.date = dayOf(3, 2, 2025);
             f.text1 = "Kehrwoche";
         }},
    });
}

TEST(DecomposeEntryLine, EveryXDaysInterval)
{
    const auto interval = [](const char* count, bool weeks, const char* t) {
        return [=](EntryForm& f) {
            f.date = dayOf(5, 7, 2002);
            f.repeatCount = count;
            f.repeatInWeeks = weeks;
            f.text1 = t;
        };
    };
    expectDecomposes({
        {"021 is three weeks", 10, "05.07.2002 021 Treppe wischen.", interval("3", true, "Treppe wischen.")},
        {"020 is twenty days", 10, "05.07.2002 020 Treppe", interval("20", false, "Treppe")},
        {"two digits, text from position 15", 10, "05.07.2002 21 Treppe", interval("3", true, "Treppe")},
        {"999 days", 10, "05.07.2002 999 T", interval("999", false, "T")},
        {"000 cannot be read",
         10,
         "05.07.2002 000 T",
         interval("1", false, "T"),
         {"Der Termin enth\xE4lt eine ung\xFCltige Anzahl von Tagen.\r\rDaher wird eine Wiederholung von "
          "einem Tag ber\xFC"
          "cksichtigt"}},
    });
}

TEST(DecomposeEntryLine, WeekdaysMonthsAndDaysOfMonth)
{
    expectDecomposes({
        {"deactivated weekly line", 2, "~fr Turnen",
         [](EntryForm& f) {
             f.deactivated = true;
             f.weekdayItem = 4;
             f.text1 = "Turnen";
         }},
        {"unknown weekday", 2, "Xy T", text("T"), {"Der Wochentag des Termins kann nicht ermittelt werden."}},
        {"last Sunday in May", 9, "9.So 05 T",
         [](EntryForm& f) {
             f.xthWeekdayItem = 5;
             f.weekdayItem = 6;
             f.monthItem = 5;
             f.text1 = "T";
         }},
        {"month with a blank for the leading zero", 9, "2.Di  7 T",
         [](EntryForm& f) {
             f.xthWeekdayItem = 1;
             f.weekdayItem = 1;
             f.monthItem = 7;
             f.text1 = "T";
         }},
        {"ordinal 7 and month 13",
         9,
         "7.Mo 13 T",
         text("T"),
         {"Der wievielte Wochentag des Termins kann nicht ermittelt werden.",
          "Der Monat des Termins kann nicht ermittelt werden."}},
        {"second-to-last day of the month", 6, "-02 T",
         [](EntryForm& f) {
             f.fromMonthEnd = true;
             f.dayOfMonthItem = 1;
             f.text1 = "T";
         }},
        {"day 0 of the month",
         6,
         "+00 T",
         text("T"),
         {"Der Tag kann nicht ermittelt werden.\r\rDaher wird der Monatserste ber\xFC"
          "cksichtigt."}},
        {"day 32 of the month",
         6,
         "+32 T",
         text("T"),
         {"Der Tag kann nicht ermittelt werden.\r\rDaher wird der Monatserste ber\xFC"
          "cksichtigt."}},
    });
}

TEST(DecomposeEntryLine, HolidaysAndSinceYears)
{
    expectDecomposes({
        {"summer holiday", 11, "31.07.2025-10.09.2025 Sommerferien",
         [](EntryForm& f) {
             f.date = dayOf(31, 7, 2025);
             f.holidayEnd = dayOf(10, 9, 2025);
             f.text1 = "Sommerferien";
         }},
        {"neither date valid",
         11,
         "31.02.2025-xx.09.2025 S",
         text("S"),
         {"Der Ferienbeginn ist kein g\xFCltiges Datum.\r\r" + kTodayInstead,
          "Das Ferienende ist kein g\xFCltiges Datum.\r\r" + kTodayInstead}},
        {"both parts of a since-years line", 8, "09.09.1999 ~F~ haben wir unseren |. Hochzeitstag!",
         [](EntryForm& f) {
             f.date = dayOf(9, 9, 1999);
             f.notInHolidays = true;
             f.text1 = "haben wir unseren";
             f.text2 = ". Hochzeitstag!";
         }},
        {"no blank before the bar: the last letter stays", 8, "09.09.1999 seit|x",
         [](EntryForm& f) {
             f.date = dayOf(9, 9, 1999);
             f.text1 = "seit";
             f.text2 = "x";
         }},
        {"no bar",
         8,
         "09.09.1999 Hochzeit",
         [](EntryForm& f) {
             f.date = dayOf(9, 9, 1999);
             f.text1 = "Hochzeit";
         },
         {"Der 3. Teil der Terminbeschreibung fehlt. Bitte vorgeben."}},
    });
}

TEST(DecomposeEntryLine, OptionFields)
{
    expectDecomposes({
        {"one-time line with a period",
         12,
         "20.06.2025 ~01.01.2025-31.12.2025~ Arzt",
         [](EntryForm& f) {
             f.date = dayOf(20, 6, 2025);
             f.text1 = "Arzt";
         },
         {"Ein Terminzeitraum ist nur bei wiederholenden Terminen zul\xE4ssig.\rEr wird daher ignoriert und "
          "nach der Termin\xE4nderung automatisch entfernt."}},
        {"every option", 2, "Mo ~F~ ~01.07.2025-31.12.2025~ ~07:05~ ~17~ T",
         [](EntryForm& f) {
             setEveryOption(f, 17);
             f.text1 = "T";
         }},
        {"invalid period dates become today",
         2,
         "Mo ~31.02.2025-1.1.2026xx~ T",
         [](EntryForm& f) {
             f.periodOn = true;
             f.text1 = "T";
         },
         {"Der Beginn des Terminzeitraums (31.02.2025) ist\rung\xFCltig und wird durch das Tagesdatum "
          "ersetzt.",
          "Das Ende des Terminzeitraums (1.1.2026xx) ist\rung\xFCltig und wird durch das Tagesdatum "
          "ersetzt."}},
        {"period end before its begin",
         2,
         "Mo ~02.07.2025-01.07.2025~ T",
         [](EntryForm& f) {
             f.periodOn = true;
             f.periodBegin = dayOf(2, 7, 2025);
             f.periodEnd = dayOf(1, 7, 2025);
             f.text1 = "T";
         },
         {"Das Ende des Terminzeitraums (01.07.2025) darf\rnicht vor dessen Beginn (02.07.2025) liegen.\r"
          "Bitte korrigieren!"}},
        {"alarm at 24:00",
         2,
         "Mo ~24:00~ T",
         [](EntryForm& f) {
             f.alarmOn = true;
             f.text1 = "T";
         },
         {"Die Alarmzeit des Termins ist ung\xFCltig und\rwird durch die aktuelle Zeit ersetzt."}},
        {"colour 18",
         2,
         "Mo ~18~ T",
         text("T"),
         {"Der Farbcode ist ung\xFCltig (zu gro\xDF), daher \rwird die Standardfarbe ber\xFC"
          "cksichtigt."}},
        {"colour not numeric",
         2,
         "Mo ~x1~ T",
         text("T"),
         {"Der Farbcode ist ung\xFCltig (nicht numerisch),\rdaher wird die Standardfarbe ber\xFC"
          "cksichtigt."}},
        {"fields out of order stay in the text", 2, "Mo ~12:30~ ~F~ T",
         [](EntryForm& f) {
             f.alarmOn = true;
             f.alarmMinute = 12 * 60 + 30;
             f.text1 = "~F~ T";
         }},
    });
}

TEST(DecomposeEntryLine, UnknownBlockAndBlankLines)
{
    const DecomposedLine read = decompose(13, "Mo T", kToday, kMinuteNow);
    EXPECT_THAT(read.warnings,
                ElementsAreArray({"Unbekannter Terminblock in C_PSBT_aendernClick. Bitte den Programmierer "
                                  "informieren."}));
    EXPECT_TRUE(isBlankEntryLine(""));
    EXPECT_TRUE(isBlankEntryLine("  \t "));
    EXPECT_FALSE(isBlankEntryLine(" \xE4 "));
    EXPECT_FALSE(isBlankEntryLine("~"));
}

} // namespace
} // namespace notavi::test
