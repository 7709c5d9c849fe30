// The name-day block: a day of the year, its wording by view and 29 February.

#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

std::vector<std::string> nameDayFile(const std::vector<std::string>& lines)
{
    return fileWithBlock(toUtf8(BlockCatalogue::headerText(blockNumber(BlockKind::NameDays))), lines);
}

struct ViewCase
{
    const char* what;
    std::vector<std::string> lines;
    const char* evaluationDate;
    int viewMode;
    std::vector<std::string> expected;
};

TEST(AnniversaryNameDays, EntriesByView)
{
    const std::vector<ViewCase> cases = {
        {"week view",
         {"24.06 Johannes", "27.06 Sieben", "28.06 Acht", "19.06 Gestern"},
         "20.06.2024",
         0,
         {"In 4 Tagen (Montag) hat Johannes Namenstag.",
          "In einer Woche (Donnerstag) hat Sieben Namenstag."}},
        {"next four weeks reach into January",
         {"06.01 Kaspar", "17.01 Anton", "16.01 Marcellus"},
         "20.12.2023",
         1,
         {"Am Samstag, dem 06.01.2024 hat Kaspar Namenstag.",
          "Am Dienstag, dem 16.01.2024 hat Marcellus Namenstag."}},
        {"last four weeks: before and on the evaluation date",
         {"06.01 Kaspar", "10.01 Paul", "24.12 Adam"},
         "10.01.2024",
         3,
         {"Am Sonntag, dem 24.12.2023 hatte Adam Namenstag.",
          "Am Samstag, dem 06.01.2024 hatte Kaspar Namenstag.",
          "Am Mittwoch, dem 10.01.2024 hat Paul Namenstag."}},
        {"the year view looks no year further",
         {"06.01 Kaspar"},
         "20.12.2023",
         4,
         {"Am Freitag, dem 06.01.2023 hat Kaspar Namenstag."}},
        {"29 February in a year without it",
         {"29.02 Oswald"},
         "25.02.2023",
         0,
         {"In 3 Tagen (Dienstag) hat Oswald Namenstag."}},
        {"29 February in a leap year",
         {"29.02 Oswald"},
         "25.02.2024",
         0,
         {"In 4 Tagen (Donnerstag) hat Oswald Namenstag."}},
        {"options before the name are consumed",
         {"24.06 ~F~ ~12~ Johannes"},
         "20.06.2024",
         0,
         {"In 4 Tagen (Montag) hat Johannes Namenstag."}},
        {"the text starts at position 7 whatever stands at 6",
         {"24.06xJohannes"},
         "20.06.2024",
         0,
         {"In 4 Tagen (Montag) hat Johannes Namenstag."}},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.what);
        HarnessRun run =
            EngineHarness::userBlocksOnly().run(nameDayFile(c.lines), c.evaluationDate, c.viewMode);
        EXPECT_EQ(run.entryTexts(), c.expected);
        EXPECT_EQ(run.errorMessages(), std::vector<std::string>{});
    }
}

TEST(AnniversaryNameDays, InvalidDatesAreReported)
{
    HarnessRun run = EngineHarness::userBlocksOnly().run(
        nameDayFile({"31.04 Anna", "3.5 Bert", "24.06 Johannes"}), "20.06.2024", 0);
    EXPECT_EQ(run.entryTexts(), std::vector<std::string>{"In 4 Tagen (Montag) hat Johannes Namenstag."});
    EXPECT_EQ(
        run.errorMessages(),
        (std::vector<std::string>{
            "Die Terminzeile \"31.04 Anna\" enthält das nicht korrekte Datum \"31.04.2024\". (Namenstage;13)",
            "Die Terminzeile \"3.5 Bert\" enthält das nicht korrekte Datum \"3.5 B.2024\". "
            "(Namenstage;14)"}));
}

TEST(AnniversaryNameDays, CheckPassChecksTheOptionsOfEveryLine)
{
    HarnessRun run = EngineHarness::userBlocksOnly().run(
        nameDayFile({"24.06 ~99~ Johannes", "20.06 ~99~ Heute", "29.02 ~99~ Oswald", "31.04 ~99~ Anna"}),
        "20.06.2023", 0, EvaluationPass::ErrorCheck);
    const std::string badColour =
        "\" enthält den ungültigen Farbcode \"99\".  Es wird daher der Standardfarbcode "
        "berücksichtigt. (Namenstage;";
    EXPECT_EQ(run.errorMessages(), (std::vector<std::string>{
                                       "Die Terminzeile  \"24.06 ~99~ Johannes" + badColour + "13)",
                                       "Die Terminzeile  \"20.06 ~99~ Heute" + badColour + "14)",
                                       "Die Terminzeile  \"29.02 ~99~ Oswald" + badColour + "15)",
                                       "Die Terminzeile \"31.04 ~99~ Anna\" enthält das nicht korrekte Datum "
                                       "\"31.04.2023\". (Namenstage;16)",
                                       // A faulty date hides no other fault of the line.
                                       "Die Terminzeile  \"31.04 ~99~ Anna" + badColour + "16)",
                                   }));
    EXPECT_EQ(run.entryTexts(), std::vector<std::string>{});
}

} // namespace
} // namespace notavi::test
