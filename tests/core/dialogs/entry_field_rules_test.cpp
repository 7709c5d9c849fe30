#include "core/calendar/german_text.h"
#include "core/dialogs/entry_field_rules.h"
#include "dialog_test_values.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

TEST(EntryFieldRules, ControlsInUseByBlock)
{
    // date, February, birth year, holiday end, repeat, x-th, weekday, month, day of month, part 2, period
    const struct
    {
        int block;
        EntryControlsInUse use;
    } kRows[] = {
        {0, {true, false, true, false, false, false, false, false, false, false, true}},
        {1, {true, false, false, false, false, false, false, false, false, false, true}},
        {2, {false, false, false, false, false, false, true, false, false, false, true}},
        {3, {true, false, false, false, false, false, false, false, false, false, true}},
        {5, {true, false, false, false, false, false, false, false, false, false, true}},
        {6, {false, false, false, false, false, false, false, false, true, false, true}},
        {7, {true, true, false, false, false, false, false, false, false, false, true}},
        {8, {true, false, false, false, false, false, false, false, false, true, true}},
        {9, {false, false, false, false, false, true, true, true, false, false, true}},
        {10, {true, false, false, false, true, false, false, false, false, false, true}},
        {11, {true, false, false, true, false, false, false, false, false, false, false}},
        {12, {true, false, false, false, false, false, false, false, false, false, false}},
        {13, {}},
    };

    for (const auto& row : kRows)
        EXPECT_EQ(controlsInUse(row.block), row.use) << row.block;
}

TEST(EntryFieldRules, OkNeedsTheTextsInUse)
{
    EntryForm form = entryFormOn(8, kToday);
    form.text1 = "haben wir unseren";
    EXPECT_FALSE(okAllowed(form));
    form.text2 = ". Hochzeitstag!";
    EXPECT_TRUE(okAllowed(form));
    form.block = 2;
    form.text2.clear();
    EXPECT_TRUE(okAllowed(form));
    form.text1.clear();
    EXPECT_FALSE(okAllowed(form));
}

TEST(EntryFieldRules, CountFields)
{
    EXPECT_EQ(repeatCountOnLeave("", false), "1");
    EXPECT_EQ(repeatCountOnLeave("000", true), "1");
    EXPECT_EQ(repeatCountOnLeave("500", false), "500");
    EXPECT_EQ(repeatCountOnLeave("143", true), "142");
    EXPECT_EQ(repeatCountInWeeks("20"), "2");
    EXPECT_EQ(repeatCountInWeeks("6"), "1");
    EXPECT_EQ(repeatCountInDays("3"), "21");
    EXPECT_EQ(repeatCountInDays("200"), "999");
    EXPECT_EQ(repeatCountInDays("99999999999"), "0"); // too long for a number, and no overflow
    EXPECT_EQ(periodCountOnLeave(""), "0");
    EXPECT_EQ(periodCountOnLeave("12"), "12");
}

TEST(EntryFieldRules, PeriodEndAfterTheBegin)
{
    EXPECT_EQ(formatDate(*computedPeriodEnd(dayOf(31, 1, 2025), "1", 2)), "28.02.2025");
    EXPECT_EQ(formatDate(*computedPeriodEnd(dayOf(31, 1, 2025), "2", 1)), "14.02.2025");
    EXPECT_EQ(computedPeriodEnd(dayOf(31, 1, 2025), "0", 3), dayOf(31, 1, 2025));
    EXPECT_EQ(computedPeriodEnd(dayOf(31, 1, 2025), "", 0), std::nullopt);
    EXPECT_EQ(computedPeriodEnd(dayOf(31, 1, 2025), "1", 4), std::nullopt);
}

} // namespace
} // namespace notavi::test
