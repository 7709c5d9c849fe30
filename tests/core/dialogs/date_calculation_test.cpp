#include "core/calendar/german_text.h"
#include "core/dialogs/date_calculation.h"
#include "dialog_test_values.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

TEST(DateCalculation, StepsWithTheDayClippedToTheMonth)
{
    constexpr auto kBefore = DateDirection::Before;
    constexpr auto kAfter = DateDirection::After;

    const struct
    {
        const char* label;
        DayNumber start;
        int count;
        DateUnit unit;
        DateDirection direction;
        const char* result;
    } kCases[] = {
        {"a month before 31 March", dayOf(31, 3, 2025), 1, DateUnit::Months, kBefore, "28.02.2025"},
        {"a month after 31 January in a leap year", dayOf(31, 1, 2024), 1, DateUnit::Months, kAfter,
         "29.02.2024"},
        {"across the new year", dayOf(30, 11, 2025), 3, DateUnit::Months, kAfter, "28.02.2026"},
        {"a year after 29 February", dayOf(29, 2, 2024), 1, DateUnit::Years, kAfter, "28.02.2025"},
        {"four years after 29 February", dayOf(29, 2, 2024), 4, DateUnit::Years, kAfter, "29.02.2028"},
        {"three weeks before 1 June", dayOf(1, 6, 2025), 3, DateUnit::Weeks, kBefore, "11.05.2025"},
        {"999 days after", dayOf(1, 1, 2025), 999, DateUnit::Days, kAfter, "27.09.2027"},
        {"10 days before", dayOf(5, 3, 2024), 10, DateUnit::Days, kBefore, "24.02.2024"},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        const std::optional<DayNumber> result = calculateDate(c.start, c.count, c.unit, c.direction);
        ASSERT_TRUE(result);
        EXPECT_EQ(formatDate(*result), c.result);
    }
}

TEST(DateCalculation, ACountOfZeroGivesTheStartDate)
{
    for (DateUnit unit : {DateUnit::Days, DateUnit::Weeks, DateUnit::Months, DateUnit::Years})
        for (DateDirection direction : {DateDirection::Before, DateDirection::After})
            EXPECT_EQ(calculateDate(dayOf(31, 3, 2025), 0, unit, direction), dayOf(31, 3, 2025));
}

TEST(DateCalculation, NoResultOutsideTheYearsADateFieldShows)
{
    EXPECT_EQ(calculateDate(dayOf(31, 12, 9999), 1, DateUnit::Days, DateDirection::After), std::nullopt);
    EXPECT_EQ(calculateDate(dayOf(15, 6, 9500), 999, DateUnit::Years, DateDirection::After), std::nullopt);
    EXPECT_EQ(calculateDate(dayOf(31, 1, 1), 1, DateUnit::Months, DateDirection::Before), std::nullopt);
    EXPECT_EQ(calculateDate(dayOf(1, 1, 1), 1, DateUnit::Weeks, DateDirection::Before), std::nullopt);
    EXPECT_EQ(calculateDate(dayOf(31, 12, 9999), 0, DateUnit::Years, DateDirection::After),
              dayOf(31, 12, 9999));
    EXPECT_EQ(calculateDate(dayOf(31, 1, 2), 12, DateUnit::Months, DateDirection::Before), dayOf(31, 1, 1));
}

} // namespace
} // namespace notavi::test
