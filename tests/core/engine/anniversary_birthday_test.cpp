// The birthday block: ages, wording by view, years that cross New Year, 29 February, the
// thousand-day entries and what the check pass reports.

#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

std::vector<std::string> birthdayFile(const std::vector<std::string>& lines)
{
    return fileWithBlock(toUtf8(BlockCatalogue::headerText(blockNumber(BlockKind::Birthdays))), lines);
}

struct ViewCase
{
    const char* what;
    std::vector<std::string> lines;
    const char* evaluationDate;
    int viewMode;
    std::vector<std::string> expected;
};

void expectEntries(const EngineHarness& harness, const std::vector<ViewCase>& cases)
{
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.what);
        HarnessRun run = harness.run(birthdayFile(c.lines), c.evaluationDate, c.viewMode);
        EXPECT_EQ(run.entryTexts(), c.expected);
        EXPECT_EQ(run.errorMessages(), std::vector<std::string>{});
    }
}

TEST(AnniversaryBirthdays, AgesAndWordingByView)
{
    expectEntries(
        EngineHarness::userBlocksOnly(),
        {
            {"next four weeks reach into January",
             {"12.01.1980 Anna"},
             "20.12.2023",
             1,
             {"Am Freitag, dem 12.01.2024 wird Anna 44 Jahre alt."}},
            {"week view across New Year",
             {"31.12.2000 Bernd", "02.01.2000 Anna"},
             "28.12.2023",
             0,
             {"In 3 Tagen (Sonntag) wird Bernd 23 Jahre alt.",
              "In 5 Tagen (Dienstag) wird Anna 24 Jahre alt."}},
            {"last four weeks across New Year",
             {"20.12.1983 Carl", "05.01.1984 Anna", "10.01.1990 Dora", "13.12.1983 Emil"},
             "10.01.2024",
             3,
             {"Am Mittwoch, dem 20.12.2023 ist Carl 40 Jahre alt geworden.",
              "Am Freitag, dem 05.01.2024 ist Anna 40 Jahre alt geworden.",
              "Am Mittwoch, dem 10.01.2024 wird Dora 34 Jahre alt."}},
            {"last four weeks: five days before and on the evaluation date",
             {"10.06.1984 Anna", "15.06.1984 Berta"},
             "15.06.2024",
             3,
             {"Am Montag, dem 10.06.2024 ist Anna 40 Jahre alt geworden.",
              "Am Samstag, dem 15.06.2024 wird Berta 40 Jahre alt."}},
            {"the year view looks no year further",
             {"12.01.1980 Anna"},
             "20.12.2023",
             4,
             {"Am Donnerstag, dem 12.01.2023 wird Anna 43 Jahre alt."}},
            {"month view holds its first and last day only",
             {"31.05.1990 Mai", "01.06.1990 Erster", "30.06.1990 Letzter", "01.07.1990 Juli"},
             "15.06.2024",
             2,
             {"Am Samstag, dem 01.06.2024 wird Erster 34 Jahre alt.",
              "Am Sonntag, dem 30.06.2024 wird Letzter 34 Jahre alt."}},
            {"unknown year, age 0 and 1, birth in the future",
             {"03.06.9999 Eva", "03.06.2024 Baby", "03.06.2023 Kind", "03.06.2025 Fritz"},
             "01.06.2024",
             0,
             {"Übermorgen (Montag) wird Baby 0 Jahre alt.", "Übermorgen (Montag) wird Eva (?) Jahre alt.",
              "Übermorgen (Montag) wird Kind 1 Jahr alt."}},
            {"unknown year in the past",
             {"03.06.9999 Eva"},
             "15.06.2024",
             3,
             {"Am Montag, dem 03.06.2024 ist Eva (?) Jahre alt geworden."}},
            {"the age counts from the year of the occurrence, not of the range",
             {"12.01.2024 Neu", "12.01.2025 Ungeboren"},
             "20.12.2023",
             1,
             {"Am Freitag, dem 12.01.2024 wird Neu 0 Jahre alt."}},
            {"options before the name are consumed",
             {"12.01.1980 ~12~ Anna", "13.01.1980 ~01.01.2024-31.12.2024~ ~08:00~ Bert"},
             "20.12.2023",
             1,
             {"Am Freitag, dem 12.01.2024 wird Anna 44 Jahre alt.",
              "Am Samstag, dem 13.01.2024 wird Bert 44 Jahre alt."}},
            {"comment and deactivated lines are skipped",
             {"* 12.01.1980 Kommentar", "~12.01.1980 Aus", "12.01.1980 Anna"},
             "20.12.2023",
             1,
             {"Am Freitag, dem 12.01.2024 wird Anna 44 Jahre alt."}},
        });
}

TEST(AnniversaryBirthdays, LeapDayBirthsFallOnFebruary28InOtherYears)
{
    expectEntries(EngineHarness::userBlocksOnly(),
                  {
                      {"non-leap year",
                       {"29.02.1988 Anna"},
                       "25.02.2023",
                       0,
                       {"In 3 Tagen (Dienstag) wird Anna 35 Jahre alt."}},
                      {"leap year: the 29th, not the 28th",
                       {"29.02.1988 Anna"},
                       "25.02.2024",
                       0,
                       {"In 4 Tagen (Donnerstag) wird Anna 36 Jahre alt."}},
                      {"month view of a non-leap February",
                       {"29.02.1988 Anna", "28.02.1990 Bernd"},
                       "10.02.2023",
                       2,
                       {"Am Dienstag, dem 28.02.2023 wird Anna 35 Jahre alt.",
                        "Am Dienstag, dem 28.02.2023 wird Bernd 33 Jahre alt."}},
                      {"a century year without 29 February",
                       {"29.02.2000 Anna"},
                       "01.01.2100",
                       4,
                       {"Am Sonntag, dem 28.02.2100 wird Anna 100 Jahre alt."}},
                      {"not on 1 March", {"29.02.1988 Anna"}, "01.03.2023", 0, {}},
                  });
}

TEST(AnniversaryBirthdays, EntryCarriesLineColourAndBlock)
{
    HarnessRun run =
        EngineHarness::userBlocksOnly().run(birthdayFile({"12.01.1980 ~12~ Anna"}), "20.12.2023", 1);
    ASSERT_EQ(run.result.entries.size(), 1u);
    const ViewEntry& entry = run.result.entries[0];
    EXPECT_EQ(entry.sortKey(), "20240112 ");
    EXPECT_EQ(entry.sourceLine, 12);
    EXPECT_EQ(entry.colour, 12);
    EXPECT_EQ(entry.block, blockNumber(BlockKind::Birthdays));
}

TEST(AnniversaryBirthdays, SwitchOffShowsNothing)
{
    EngineHarness harness = EngineHarness::userBlocksOnly();
    harness.options.blockShown[blockNumber(BlockKind::Birthdays)] = false;
    harness.options.thousandDayBirthdays = true;
    HarnessRun run = harness.run(birthdayFile({"12.01.1980 Anna", "19.08.1996 Berta"}), "20.12.2023", 1);
    EXPECT_EQ(run.entryTexts(), std::vector<std::string>{});
}

TEST(AnniversaryBirthdays, InvalidBirthDateIsReportedAndYieldsNothing)
{
    EngineHarness harness = EngineHarness::userBlocksOnly();
    harness.options.thousandDayBirthdays = true;
    HarnessRun run =
        harness.run(birthdayFile({"29.02.2023 Anna", "3.6.1980 Bert", "12.01.1980 Carla"}), "20.12.2023", 1);
    EXPECT_EQ(run.entryTexts(),
              std::vector<std::string>{"Am Freitag, dem 12.01.2024 wird Carla 44 Jahre alt."});
    EXPECT_EQ(run.errorMessages(),
              (std::vector<std::string>{
                  "Die Terminzeile \"29.02.2023 Anna\" enthält das nicht korrekte Datum \"29.02.2023\". "
                  "(Geburtstage;13)",
                  "Die Terminzeile \"3.6.1980 Bert\" enthält das nicht korrekte Datum \"3.6.1980 B\". "
                  "(Geburtstage;14)"}));
}

EngineHarness withThousandDays()
{
    EngineHarness harness = EngineHarness::userBlocksOnly();
    harness.options.thousandDayBirthdays = true;
    return harness;
}

TEST(AnniversaryBirthdays, ThousandDayEntries)
{
    expectEntries(
        withThousandDays(),
        {
            {"10000 days, next to the birthday of the same line",
             {"19.08.1996 Anna"},
             "20.12.2023",
             1,
             {"Am Freitag, dem 05.01.2024 wird Anna 10000 Tage alt."}},
            {"on the first day of the range",
             {"11.10.1999 Anna"},
             "01.06.2024",
             0,
             {"Heute (Samstag) wird Anna 9000 Tage alt."}},
            {"on the last day of the week view",
             {"12.09.2021 Kind"},
             "01.06.2024",
             0,
             {"In einer Woche (Samstag) wird Kind 1000 Tage alt."}},
            {"one day past the range", {"13.09.2021 Kind"}, "01.06.2024", 0, {}},
            {"birth on the first day of the range or later: no day count",
             {"01.06.2024 Baby", "02.06.2024 Baby2", "01.06.9999 Unbekannt"},
             "01.06.2024",
             0,
             {"Heute (Samstag) wird Baby 0 Jahre alt.", "Heute (Samstag) wird Unbekannt (?) Jahre alt.",
              "Morgen (Sonntag) wird Baby2 0 Jahre alt."}},
            {"last four weeks: before and on the evaluation date",
             {"18.01.1997 Anna", "28.01.1997 Berta"},
             "15.06.2024",
             3,
             {"Am Mittwoch, dem 05.06.2024 ist Anna 10000 Tage alt geworden.",
              "Am Samstag, dem 15.06.2024 wird Berta 10000 Tage alt."}},
            {"birthday and day count of one line",
             {"01.06.2013 Kind"},
             "10.05.2024",
             1,
             {"Am Dienstag, dem 14.05.2024 wird Kind 4000 Tage alt.",
              "Am Samstag, dem 01.06.2024 wird Kind 11 Jahre alt."}},
            {"options are consumed from the day-count entry as well",
             {"19.08.1996 ~03~ Anna"},
             "20.12.2023",
             1,
             {"Am Freitag, dem 05.01.2024 wird Anna 10000 Tage alt."}},
            {"a year view holds a single multiple of 1000",
             {"19.08.1996 Anna"},
             "15.06.2024",
             4,
             {"Am Freitag, dem 05.01.2024 wird Anna 10000 Tage alt.",
              "Am Montag, dem 19.08.2024 wird Anna 28 Jahre alt."}},
        });
}

TEST(AnniversaryBirthdays, ThousandDayEntriesOnlyWhenSwitchedOn)
{
    HarnessRun run = EngineHarness::userBlocksOnly().run(birthdayFile({"19.08.1996 Anna"}), "20.12.2023", 1);
    EXPECT_EQ(run.entryTexts(), std::vector<std::string>{});
}

TEST(AnniversaryBirthdays, LineErrorsAreShownOncePerLine)
{
    HarnessRun run = withThousandDays().run(birthdayFile({"01.06.2013 ~99~ Kind"}), "10.05.2024", 1);
    EXPECT_EQ(run.entryTexts().size(), 2u);
    EXPECT_EQ(
        run.errorMessages(),
        std::vector<std::string>{"Die Terminzeile  \"01.06.2013 ~99~ Kind\" enthält den ungültigen Farbcode "
                                 "\"99\".  Es wird daher der Standardfarbcode berücksichtigt. "
                                 "(Geburtstage;13)"});
}

struct CheckCase
{
    const char* what;
    std::vector<std::string> lines;
    const char* evaluationDate;
    std::vector<std::string> messages;
};

const std::string kBadColour = "\" enthält den ungültigen Farbcode \"99\".  Es wird daher der "
                               "Standardfarbcode berücksichtigt. (Geburtstage;13)";

TEST(AnniversaryBirthdays, CheckPassChecksEveryLineOnce)
{
    const std::vector<CheckCase> cases = {
        {"birthday on another day",
         {"12.01.1980 ~99~ Anna"},
         "01.06.2024",
         {"Die Terminzeile  \"12.01.1980 ~99~ Anna" + kBadColour}},
        {"birthday on the day",
         {"01.06.1980 ~99~ Anna"},
         "01.06.2024",
         {"Die Terminzeile  \"01.06.1980 ~99~ Anna" + kBadColour}},
        {"born after the occurrence",
         {"01.06.2030 ~99~ Anna"},
         "01.06.2024",
         {"Die Terminzeile  \"01.06.2030 ~99~ Anna" + kBadColour}},
        {"day count on the day",
         {"11.10.1999 ~99~ Anna"},
         "01.06.2024",
         {"Die Terminzeile  \"11.10.1999 ~99~ Anna" + kBadColour}},
        {"birthday and day count on the same day",
         {"01.03.1802 ~99~ Victor"},
         "01.03.2084",
         {"Die Terminzeile  \"01.03.1802 ~99~ Victor" + kBadColour}},
        {"invalid birth date: the date, and the options all the same",
         {"31.04.1980 ~99~ Anna"},
         "01.06.2024",
         {"Die Terminzeile \"31.04.1980 ~99~ Anna\" enthält das nicht korrekte Datum \"31.04.1980\". "
          "(Geburtstage;13)",
          "Die Terminzeile  \"31.04.1980 ~99~ Anna" + kBadColour}},
        {"a clean line", {"12.01.1980 ~08:00~ ~12~ Anna"}, "01.06.2024", {}},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        HarnessRun run =
            withThousandDays().run(birthdayFile(c.lines), c.evaluationDate, 0, EvaluationPass::ErrorCheck);
        EXPECT_EQ(run.errorMessages(), c.messages);
        EXPECT_EQ(run.entryTexts(), std::vector<std::string>{});
    }
}

TEST(AnniversaryBirthdays, BlockIsRepairedAndTheWalkGoesOn)
{
    const std::vector<std::string> file = {
        "*",
        "*    Notavi 9.00",
        "*",
        "*",
        "*",
        "*",
        "*",
        "*",
        "*",
        "*",
        "*",
        "geburtstage:",
        "12.01.1980 Anna",
        toUtf8(BlockCatalogue::headerText(blockNumber(BlockKind::NameDays))),
        "06.01 Kaspar",
        "@ E N D E"};
    HarnessRun run = EngineHarness::userBlocksOnly().run(file, "20.12.2023", 1);
    EXPECT_EQ(run.entryTexts(),
              (std::vector<std::string>{"Am Samstag, dem 06.01.2024 hat Kaspar Namenstag.",
                                        "Am Freitag, dem 12.01.2024 wird Anna 44 Jahre alt."}));
    EXPECT_TRUE(run.result.corrected);
    EXPECT_EQ(run.lines[11], BlockCatalogue::headerText(blockNumber(BlockKind::Birthdays)));
    EXPECT_EQ(run.lines[13], "@ E N D E");
}

} // namespace
} // namespace notavi::test
