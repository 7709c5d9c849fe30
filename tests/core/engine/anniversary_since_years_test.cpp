// The since-x-years block: the count of years between the two sentence parts.

#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

std::vector<std::string> sinceYearsFile(const std::vector<std::string>& lines)
{
    return fileWithBlock(toUtf8(BlockCatalogue::headerText(blockNumber(BlockKind::SinceYears))), lines);
}

struct ViewCase
{
    const char* what;
    std::vector<std::string> lines;
    const char* evaluationDate;
    int viewMode;
    std::vector<std::string> expected;
};

TEST(AnniversarySinceYears, YearsBetweenTheSentenceParts)
{
    const std::vector<ViewCase> cases = {
        {"month view",
         {"01.06.1999 Wir sind seit | Jahren verheiratet."},
         "15.06.2024",
         2,
         {"Am Samstag, dem 01.06.2024 Wir sind seit 25 Jahren verheiratet."}},
        {"week view",
         {"01.06.1999 Wir sind seit | Jahren verheiratet."},
         "01.06.2024",
         0,
         {"Heute (Samstag) Wir sind seit 25 Jahren verheiratet."}},
        {"the last four weeks keep the wording",
         {"01.06.1999 Seit | Jahren hier."},
         "15.06.2024",
         3,
         {"Am Samstag, dem 01.06.2024 Seit 25 Jahren hier."}},
        {"only the first bar splits", {"01.06.1999 A|B|C"}, "01.06.2024", 0, {"Heute (Samstag) A25B|C"}},
        {"nothing is added around the bar",
         {"01.06.1999 Jubiläum:|"},
         "01.06.2024",
         0,
         {"Heute (Samstag) Jubiläum:25"}},
        {"start year after the occurrence, and on it",
         {"01.06.2025 Später | Jahre", "01.06.2024 Neu seit | Jahren"},
         "01.06.2024",
         0,
         {"Heute (Samstag) Neu seit 0 Jahren"}},
        {"next four weeks reach into January",
         {"12.01.2000 Seit | Jahren hier.", "12.01.2024 Ab | Jahren.", "12.01.2025 Nie | Jahre."},
         "20.12.2023",
         1,
         {"Am Freitag, dem 12.01.2024 Ab 0 Jahren.", "Am Freitag, dem 12.01.2024 Seit 24 Jahren hier."}},
        {"the year view looks no year further",
         {"12.01.2000 Seit | Jahren hier."},
         "20.12.2023",
         4,
         {"Am Donnerstag, dem 12.01.2023 Seit 23 Jahren hier."}},
        {"a start on 29 February falls on the 28th",
         {"29.02.2000 Seit | Jahren."},
         "25.02.2023",
         0,
         {"In 3 Tagen (Dienstag) Seit 23 Jahren."}},
        {"options before the first part are consumed",
         {"01.06.1999 ~08:00~ ~12~ Seit | Jahren."},
         "01.06.2024",
         0,
         {"Heute (Samstag) Seit 25 Jahren."}},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.what);
        HarnessRun run =
            EngineHarness::userBlocksOnly().run(sinceYearsFile(c.lines), c.evaluationDate, c.viewMode);
        EXPECT_EQ(run.entryTexts(), c.expected);
        EXPECT_EQ(run.errorMessages(), std::vector<std::string>{});
    }
}

TEST(AnniversarySinceYears, TextWithoutBarIsReportedAndStillShown)
{
    HarnessRun run =
        EngineHarness::userBlocksOnly().run(sinceYearsFile({"01.06.1999 Hochzeitstag"}), "01.06.2024", 0);
    EXPECT_EQ(run.entryTexts(), std::vector<std::string>{"Heute (Samstag) Hochzeitstag 25"});
    EXPECT_EQ(run.errorMessages(),
              std::vector<std::string>{
                  "Die Terminzeile \"01.06.1999 Hochzeitstag\" ist unvollständig. Es fehlt der "
                  "dritte Teil der Terminbeschreibung. (Seit x Jahren;13)"});
}

TEST(AnniversarySinceYears, InvalidStartDateIsReported)
{
    HarnessRun run =
        EngineHarness::userBlocksOnly().run(sinceYearsFile({"29.02.2023 Seit | Jahren."}), "25.02.2024", 0);
    EXPECT_EQ(run.entryTexts(), std::vector<std::string>{});
    EXPECT_EQ(
        run.errorMessages(),
        std::vector<std::string>{"Die Terminzeile \"29.02.2023 Seit | Jahren.\" enthält das nicht korrekte "
                                 "Datum \"29.02.2023\". (Seit x Jahren;13)"});
}

TEST(AnniversarySinceYears, CheckPass)
{
    HarnessRun run = EngineHarness::userBlocksOnly().run(sinceYearsFile({
                                                             "01.06.1999 ~99~ Seit | Jahren.",
                                                             "01.06.1999 ~99~ Ohne Strich",
                                                             "05.05.1999 ~99~ Seit | Jahren.",
                                                             "05.05.1999 ~99~ Ohne Strich",
                                                             "05.05.2030 ~99~ Seit | Jahren.",
                                                             "31.04.1999 ~99~ Seit | Jahren.",
                                                             "31.04.1999 ~99~ Ohne Strich",
                                                         }),
                                                         "01.06.2024", 0, EvaluationPass::ErrorCheck);
    const std::string badColour = "\" enthält den ungültigen Farbcode \"99\".  Es wird daher der "
                                  "Standardfarbcode berücksichtigt. (Seit x Jahren;";
    const std::string incomplete =
        "\" ist unvollständig. Es fehlt der dritte Teil der Terminbeschreibung. (Seit x Jahren;";
    EXPECT_EQ(run.errorMessages(),
              (std::vector<std::string>{
                  // Lines of the day are composed, with or without bar.
                  "Die Terminzeile  \"01.06.1999 ~99~ Seit | Jahren." + badColour + "13)",
                  "Die Terminzeile \"01.06.1999 ~99~ Ohne Strich" + incomplete + "14)",
                  "Die Terminzeile  \"01.06.1999 ~99~ Ohne Strich" + badColour + "14)",
                  // Other lines are composed when complete, else only reported as incomplete.
                  "Die Terminzeile  \"05.05.1999 ~99~ Seit | Jahren." + badColour + "15)",
                  "Die Terminzeile \"05.05.1999 ~99~ Ohne Strich" + incomplete + "16)",
                  "Die Terminzeile  \"05.05.2030 ~99~ Seit | Jahren." + badColour + "17)",
                  // A faulty date hides no other fault of the line.
                  "Die Terminzeile \"31.04.1999 ~99~ Seit | Jahren.\" enthält das nicht korrekte Datum "
                  "\"31.04.1999\". (Seit x Jahren;18)",
                  "Die Terminzeile  \"31.04.1999 ~99~ Seit | Jahren." + badColour + "18)",
                  "Die Terminzeile \"31.04.1999 ~99~ Ohne Strich\" enthält das nicht korrekte Datum "
                  "\"31.04.1999\". (Seit x Jahren;19)",
                  "Die Terminzeile \"31.04.1999 ~99~ Ohne Strich" + incomplete + "19)",
              }));
    EXPECT_EQ(run.entryTexts(), std::vector<std::string>{});
}

TEST(AnniversarySinceYears, MissingEndLineIsAddedBeforeTheNextBlock)
{
    std::vector<std::string> file = sinceYearsFile({"01.06.1999 Seit | Jahren."});
    file.pop_back(); // no end line
    file.push_back("* Kommentar zum nächsten Block");
    file.push_back(toUtf8(BlockCatalogue::headerText(blockNumber(BlockKind::NameDays))));
    file.push_back("02.06 Name");
    file.push_back("@ E N D E");
    HarnessRun run = EngineHarness::userBlocksOnly().run(file, "01.06.2024", 0, EvaluationPass::ErrorCheck);
    EXPECT_EQ(run.lines[13], "@ E N D E");
    EXPECT_EQ(run.errorMessages(),
              std::vector<std::string>{
                  "Der Terminblock \"Seit x Jahren\" wurde um die fehlende \"@ E N D E\"-Zeile "
                  "erweitert. (Seit x Jahren;14)"});
}

} // namespace
} // namespace notavi::test
