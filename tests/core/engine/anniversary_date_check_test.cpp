// The two date tests every block evaluator shares: the date check with its messages and
// leap-day tolerance, and the range test with its retry one year later.

#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

class SharedDateTests : public ::testing::Test
{
  protected:
    Evaluation evaluation(ViewMode mode, std::string_view evaluationDate)
    {
        return Evaluation(lines, context, EvaluationPass::Normal, mode,
                          viewRange(mode, date(evaluationDate)));
    }

    std::vector<LineError> errorsInUtf8() const
    {
        std::vector<LineError> out = sink.errors;
        for (LineError& error : out) {
            error.message = toUtf8(error.message);
            error.blockName = toUtf8(error.blockName);
        }
        return out;
    }

    DisplayOptions options;
    FixedClock clock{date("01.06.2024"), 12 * 60};
    CollectingLineErrorSink sink;
    Alarms alarms;
    EvaluationContext context{options, clock, sink, alarms};
    Lines lines{cp("31.04.2024 Anna")};
};

struct DateCheckCase
{
    const char* text;
    const char* name; // UTF-8
    bool valid;
    const char* message;   // UTF-8, "" for none
    const char* blockName; // the name the message is filed under
};

const DateCheckCase kDateChecks[] = {
    {"12.01.1980", "Geburtstage", true, "", ""},
    {"12.01.1980 Anna", "Geburtstage", true, "", ""}, // only the first ten characters count
    {"29.02.2024", "Geburtstage", true, "", ""},
    {"01.01.0001", "Einmalige Termine", true, "", ""},
    {"31.12.9999", "Einmalige Termine", true, "", ""},
    // A birth date must exist; the occurrence of a 29 February birthday need not.
    {"29.02.2023", "Geburtstage", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"29.02.2023\".", "Geburtstage"},
    {"29.02.2023", "Geburtstage ", false, "", ""},
    {"29.02.1900", "Geburtstage ", false, "", ""},
    {"29.02.2023", "Namenstage", false, "", ""},
    {"29.02.2023", "Monatliche Termine", false, "", ""},
    {"29.02.2023", "Jährliche Termine", false, "", ""},
    {"29.02.2023", "Seit x Jahren ", false, "", ""},
    {"29.02.2023", "Seit x Jahren", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"29.02.2023\".", "Seit x Jahren"},
    {"29.02.2023", "Namenstage ", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"29.02.2023\".", "Namenstage "},
    {"29.02.2023", "Einmalige Termine", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"29.02.2023\".", "Einmalige Termine"},
    // The tolerance is for 29 February only, and only for a well-formed text.
    {"30.02.2024", "Geburtstage ", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"30.02.2024\".", "Geburtstage "},
    {"29.02.23", "Namenstage", false, "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"29.02.23\".",
     "Namenstage"},
    {"31.04.2024", "Einmalige Termine", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"31.04.2024\".", "Einmalige Termine"},
    {"00.01.2024", "Namenstage", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"00.01.2024\".", "Namenstage"},
    {"01.13.2024", "Namenstage", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"01.13.2024\".", "Namenstage"},
    {"01.01.0000", "Namenstage", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"01.01.0000\".", "Namenstage"},
    {"1.1.2024", "Namenstage", false, "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"1.1.2024\".",
     "Namenstage"},
    {"12-01-1980", "Namenstage", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"12-01-1980\".", "Namenstage"},
    {"1a.01.1980", "Namenstage", false,
     "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"1a.01.1980\".", "Namenstage"},
    {"", "Namenstage", false, "\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"\".", "Namenstage"},
    {"31.04.2024", "ohne ML", false, "", ""},
    {"29.02.2023", "ohne ML", false, "", ""},
    // The period check files its message under the block named after "Terminzeitraum"; a period
    // date gets no leap-day tolerance.
    {"31.04.2024", "TerminzeitraumGeburtstage", false,
     "\"31.04.2024 Anna\" enthält im Terminzeitraum das nicht korrekte Datum \"31.04.2024\". Der "
     "Terminzeitraum wird daher ignoriert.",
     "Geburtstage"},
    {"29.02.2023", "TerminzeitraumJährliche Termine", false,
     "\"31.04.2024 Anna\" enthält im Terminzeitraum das nicht korrekte Datum \"29.02.2023\". Der "
     "Terminzeitraum wird daher ignoriert.",
     "Jährliche Termine"},
};

TEST_F(SharedDateTests, DateCheckValidityAndMessages)
{
    for (const DateCheckCase& c : kDateChecks) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.name);
        sink.errors.clear();
        Evaluation ev = evaluation(ViewMode::Week, "01.06.2024");
        EXPECT_EQ(ev.dateCheck(c.text, cp(c.name)), c.valid);
        std::vector<LineError> expected;
        if (*c.message)
            expected.push_back({c.message, 0, false, c.blockName});
        EXPECT_EQ(errorsInUtf8(), expected);
    }
}

struct RangeTestCase
{
    ViewMode mode;
    const char* evaluationDate;
    const char* text;
    const char* name; // UTF-8
    bool hit;
    int dayOffset; // checked on a hit
    bool nextYearHit;
};

const RangeTestCase kRangeTests[] = {
    // The week view holds eight days.
    {ViewMode::Week, "10.06.2024", "10.06.2024", "Namenstage", true, 0, false},
    {ViewMode::Week, "10.06.2024", "17.06.2024", "Namenstage", true, 7, false},
    {ViewMode::Week, "10.06.2024", "18.06.2024", "Namenstage", false, 0, false},
    {ViewMode::Week, "10.06.2024", "09.06.2024", "Namenstage", false, 0, false},
    // Ranges that cross New Year find January a year on.
    {ViewMode::Week, "28.12.2023", "04.01.2023", "Namenstage", true, 7, true},
    {ViewMode::Week, "28.12.2023", "05.01.2023", "Namenstage", false, 0, false},
    {ViewMode::Week, "28.12.2023", "28.12.2023", "Namenstage", true, 0, false},
    {ViewMode::FourWeeks, "20.12.2023", "12.01.2023", "Geburtstage ", true, 23, true},
    {ViewMode::FourWeeks, "20.12.2023", "16.01.2023", "Geburtstage ", true, 27, true},
    {ViewMode::FourWeeks, "20.12.2023", "17.01.2023", "Geburtstage ", false, 0, false},
    {ViewMode::FourWeeks, "20.12.2023", "19.12.2023", "Geburtstage ", false, 0, false},
    {ViewMode::FourWeeks, "20.12.2023", "31.12.2023", "Geburtstage ", true, 11, false},
    {ViewMode::LastFourWeeks, "10.01.2024", "05.01.2023", "Seit x Jahren ", true, 22, true},
    {ViewMode::LastFourWeeks, "10.01.2024", "10.01.2023", "Seit x Jahren ", true, 27, true},
    {ViewMode::LastFourWeeks, "10.01.2024", "14.12.2023", "Seit x Jahren ", true, 0, false},
    {ViewMode::LastFourWeeks, "10.01.2024", "13.12.2023", "Seit x Jahren ", false, 0, false},
    {ViewMode::Month, "15.02.2024", "29.02.2024", "Namenstage", true, 28, false},
    {ViewMode::Month, "15.02.2024", "01.03.2024", "Namenstage", false, 0, false},
    // The year view covers its year and never looks a year further.
    {ViewMode::Year, "20.12.2023", "12.01.2023", "Geburtstage ", true, 11, false},
    {ViewMode::Year, "20.12.2023", "31.12.2023", "Geburtstage ", true, 364, false},
    {ViewMode::Year, "20.12.2023", "12.01.2022", "Geburtstage ", false, 0, false},
    // 29 February falls on 28 February in other years under the anniversary names only.
    {ViewMode::Week, "25.02.2023", "29.02.2023", "Geburtstage ", true, 3, false},
    {ViewMode::Week, "25.02.2023", "29.02.2023", "Namenstage", true, 3, false},
    {ViewMode::Week, "25.02.2023", "29.02.2023", "Seit x Jahren ", true, 3, false},
    {ViewMode::Week, "25.02.2023", "29.02.2023", "Jährliche Termine", true, 3, false},
    {ViewMode::Week, "25.02.2023", "29.02.2023", "Monatliche Termine", false, 0, false},
    {ViewMode::Week, "25.02.2023", "29.02.2023", "Geburtstage", false, 0, false},
    {ViewMode::Week, "25.02.2024", "29.02.2024", "Geburtstage ", true, 4, false},
    {ViewMode::Week, "25.02.2024", "28.02.2024", "Geburtstage ", true, 3, false},
    {ViewMode::Week, "27.02.2100", "29.02.2100", "Namenstage", true, 1, false},
    {ViewMode::Year, "01.07.2023", "29.02.2023", "Namenstage", true, 58, false},
    // Too short to carry a year: no hit, and no fault.
    {ViewMode::Week, "25.02.2023", "29.02", "Namenstage", false, 0, false},
    {ViewMode::Week, "25.02.2023", "29.02.", "Namenstage", false, 0, false},
};

TEST_F(SharedDateTests, AnniversaryRangeTestHitsOffsetsAndNextYear)
{
    for (const RangeTestCase& c : kRangeTests) {
        SCOPED_TRACE(std::string(c.evaluationDate) + " view " + std::to_string(static_cast<int>(c.mode)) +
                     ": " + c.text + " / " + c.name);
        Evaluation ev = evaluation(c.mode, c.evaluationDate);
        EXPECT_EQ(ev.anniversaryRangeTest(c.text, cp(c.name)), c.hit);
        EXPECT_EQ(ev.nextYearHit, c.nextYearHit);
        if (c.hit) {
            EXPECT_EQ(ev.dayOffset, c.dayOffset);
        }
    }
}

TEST_F(SharedDateTests, AnniversaryRangeTestClearsTheNextYearFlag)
{
    Evaluation ev = evaluation(ViewMode::FourWeeks, "20.12.2023");
    ASSERT_TRUE(ev.anniversaryRangeTest("12.01.2023", "Namenstage"));
    ASSERT_TRUE(ev.nextYearHit);
    EXPECT_TRUE(ev.anniversaryRangeTest("24.12.2023", "Namenstage"));
    EXPECT_FALSE(ev.nextYearHit);
    ASSERT_TRUE(ev.anniversaryRangeTest("12.01.2023", "Namenstage"));
    EXPECT_FALSE(ev.anniversaryRangeTest("31.04.2023", "Namenstage"));
    EXPECT_FALSE(ev.nextYearHit);
}

TEST_F(SharedDateTests, AnniversaryRangeTestReportsBadDatesUnderItsName)
{
    Evaluation ev = evaluation(ViewMode::Week, "25.02.2023");
    EXPECT_FALSE(ev.anniversaryRangeTest("31.04.2023", "Namenstage"));
    EXPECT_TRUE(ev.anniversaryRangeTest("29.02.2023", "Namenstage"));
    std::vector<LineError> expected = {
        {"\"31.04.2024 Anna\" enthält das nicht korrekte Datum \"31.04.2023\".", 0, false, "Namenstage"}};
    EXPECT_EQ(errorsInUtf8(), expected);
}

} // namespace
} // namespace notavi::test
