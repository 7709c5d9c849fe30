#include "support/engine_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::EngineHarness;
using test::fileWithBlock;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* kHolidayHeader = "Ferien:  TT.MM.JJJJ-TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ferienname";

struct HolidayCase
{
    const char* name;
    const char* line;
    const char* evaluation;
    int view;
    std::vector<std::string> entries;
};

class SchoolHolidays : public ::testing::TestWithParam<HolidayCase>
{
};

TEST_P(SchoolHolidays, Wording)
{
    const HolidayCase& c = GetParam();
    EngineHarness h = EngineHarness::userBlocksOnly();
    h.options.weekdayRest = false;
    auto run = h.run(fileWithBlock(kHolidayHeader, {c.line}), c.evaluation, c.view);
    EXPECT_EQ(run.entryTexts(), c.entries) << c.name;
    EXPECT_THAT(run.errors, IsEmpty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Engine, SchoolHolidays,
    ::testing::Values(
        HolidayCase{"end in January of a holiday that began in December",
                    "20.12.2026-06.01.2027 Weihnachtsferien",
                    "15.01.2027",
                    2,
                    {"Am 06.01.2027 enden die Weihnachtsferien."}},
        HolidayCase{
            "both ends in the range",
            "21.12.2026-02.01.2027 Weihnachtsferien",
            "07.12.2026",
            1,
            {"Am 21.12.2026 beginnen die Weihnachtsferien.", "Am 02.01.2027 enden die Weihnachtsferien."}},
        HolidayCase{"covers the whole range", "01.11.2026-31.12.2026 Lang", "07.12.2026", 0, {}},
        HolidayCase{"one day",
                    "08.12.2026-08.12.2026 Brückentag",
                    "07.12.2026",
                    0,
                    {"Morgen (Dienstag) sind die Brückentag."}},
        HolidayCase{"began before the evaluation date, last four weeks",
                    "04.12.2026-20.12.2026 Ferien",
                    "07.12.2026",
                    3,
                    {"Am 04.12.2026 haben die Ferien begonnen."}},
        HolidayCase{"begins on the evaluation date, last four weeks",
                    "07.12.2026-20.12.2026 Ferien",
                    "07.12.2026",
                    3,
                    {"Am 07.12.2026 beginnen die Ferien."}},
        HolidayCase{"ended, last four weeks",
                    "01.11.2026-20.11.2026 Herbst",
                    "07.12.2026",
                    3,
                    {"Am 20.11.2026 sind die Herbst zu Ende gegangen."}},
        HolidayCase{"one day before, last four weeks",
                    "20.11.2026-20.11.2026 Tag",
                    "07.12.2026",
                    3,
                    {"Am 20.11.2026 waren die Tag."}},
        HolidayCase{"a year later is no occurrence", "08.12.2025-08.12.2025 Tag", "07.12.2026", 0, {}}));

TEST(SchoolHolidays, FaultyLinesMarkNothing)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto file =
        fileWithBlock(kHolidayHeader, {"10.12.2026-08.12.2026 Verkehrt", "08.12.2026-31.02.2027 Falsch"});
    file.insert(file.end(), {"Einmalige Termine:", "09.12.2026 ~F~ Schule", "@ E N D E"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Übermorgen (Mittwoch) Schule"));
    EXPECT_THAT(
        run.errorMessages(),
        ElementsAre("Die Terminzeile \"10.12.2026-08.12.2026 Verkehrt\" enthält widersinnige Angaben. Der "
                    "Ferienbeginn liegt nach dem Ferienende. (Ferien;13)",
                    "Die Terminzeile \"08.12.2026-31.02.2027 Falsch\" enthält das nicht korrekte Datum "
                    "\"31.02.2027\". (Ferien;14)"));
}

TEST(SchoolHolidays, HolidayFlagWorksWhereverTheBlocksStand)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto file = fileWithBlock("Einmalige Termine:", {"08.12.2026 ~F~ Schule", "09.12.2026 ~f~ Sport"});
    file.insert(file.end(), {kHolidayHeader, "08.12.2026-09.12.2026 Kurz", "@ E N D E"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(),
                ElementsAre("Morgen (Dienstag) beginnen die Kurz.", "Übermorgen (Mittwoch) enden die Kurz."));
}

TEST(OneTime, OnlyTheDayItself)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto run = h.run(fileWithBlock("Einmalige Termine:", {"28.12.2025 Vorjahr", "02.01.2027 Neujahr",
                                                          "~29.12.2026 Aus", "* 29.12.2026 Kommentar"}),
                     "28.12.2026", 1);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Am Samstag, dem 02.01.2027 Neujahr"));
}

} // namespace
} // namespace notavi
