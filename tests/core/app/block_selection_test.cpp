#include "core/app/block_selection.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

constexpr std::size_t kBirthdays = 0;

TEST(BlockSelection, TheBirthdayBoxesGiveTheBirthdayMode)
{
    const struct
    {
        const char* label;
        bool birthdays;
        bool thousandDays;
        BirthdayMode expected;
    } cases[] = {
        {"both boxes", true, true, BirthdayMode::WithThousandDays},
        {"birthdays alone", true, false, BirthdayMode::Normal},
        {"neither", false, false, BirthdayMode::None},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        BlockSelection selection = blockSelectionOf(BlockDisplaySettings{});
        selection.blocks[kBirthdays] = c.birthdays;
        selection.thousandDays = c.thousandDays;
        EXPECT_EQ(blockDisplayOf(selection).birthdays, c.expected);
    }
}

TEST(BlockSelection, TheMenuStateSurvivesTheDialogUnchanged)
{
    BlockDisplaySettings display;
    display.shown[5] = false;
    display.setBirthdayMode(BirthdayMode::WithThousandDays);
    display.moonPhases = {false, true, false, true};
    display.moonClockTime = false;
    EXPECT_EQ(blockDisplayOf(blockSelectionOf(display)), display);
    EXPECT_TRUE(blockSelectionOf(display).thousandDays);
}

} // namespace
} // namespace notavi
