#include "core/app/view_settings.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

constexpr std::size_t kBirthdays = 0;
constexpr std::size_t kMoon = 16;

TEST(ViewSettings, DefaultsMatchTheDefaultSettings)
{
    EXPECT_EQ(viewSettingsFrom(Settings{}), ViewSettings{});
    const ViewSettings view;
    EXPECT_EQ(view.birthdays, BirthdayMode::Normal);
    EXPECT_EQ(view.backgroundColour, 11599871);
    EXPECT_EQ(view.fontColour, static_cast<GuiColour>(0xFF000008u));
}

struct BirthdayCase
{
    bool itemChecked;
    BirthdayMode mode;
    BirthdayMode expected;
};

TEST(ViewSettings, BirthdaysNeedTheItemAndTheMode)
{
    const BirthdayCase cases[] = {
        {true, BirthdayMode::Normal, BirthdayMode::Normal},
        {true, BirthdayMode::WithThousandDays, BirthdayMode::WithThousandDays},
        {true, BirthdayMode::None, BirthdayMode::None},
        {false, BirthdayMode::Normal, BirthdayMode::None},
        {false, BirthdayMode::WithThousandDays, BirthdayMode::None},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.blockDisplay.shown[kBirthdays] = c.itemChecked;
        settings.blockDisplay.birthdays = c.mode;
        const auto view = viewSettingsFrom(settings);
        EXPECT_EQ(view.birthdays, c.expected);
        EXPECT_EQ(view.showBlock[kBirthdays], c.expected != BirthdayMode::None);
    }
}

TEST(ViewSettings, MoonPhasesNeedTheMoonItem)
{
    Settings settings;
    settings.blockDisplay.shown[kMoon] = false;
    auto view = viewSettingsFrom(settings);
    EXPECT_FALSE(view.showBlock[kMoon]);
    EXPECT_EQ(view.moonPhases, (std::array<bool, 4>{}));

    settings.blockDisplay.shown[kMoon] = true;
    settings.blockDisplay.moonPhases = {false, false, false, false};
    EXPECT_FALSE(viewSettingsFrom(settings).showBlock[kMoon]);

    settings.blockDisplay.moonPhases = {false, false, true, false};
    view = viewSettingsFrom(settings);
    EXPECT_TRUE(view.showBlock[kMoon]);
    EXPECT_EQ(view.moonPhases, (std::array<bool, 4>{false, false, true, false}));
}

TEST(ViewSettings, MenuHelpersKeepTheParentItemsInStep)
{
    BlockDisplaySettings blocks;
    blocks.setBirthdayMode(BirthdayMode::None);
    EXPECT_FALSE(blocks.shown[kBirthdays]);
    blocks.setBirthdayMode(BirthdayMode::WithThousandDays);
    EXPECT_TRUE(blocks.shown[kBirthdays]);
    for (int phase = 0; phase < kMoonPhaseCount; ++phase)
        blocks.setMoonPhase(static_cast<MoonPhase>(phase), false);
    EXPECT_FALSE(blocks.shown[kMoon]);
    blocks.setMoonPhase(MoonPhase::NewMoon, true);
    EXPECT_TRUE(blocks.shown[kMoon]);
}

TEST(ViewSettings, BackgroundIsTheWindowColourWhenSwitchedToIt)
{
    Settings settings;
    settings.main.background = {true, kLightGrey};
    EXPECT_EQ(viewSettingsFrom(settings).backgroundColour, kWindowColour);
    settings.main.background.useWindowColour = false;
    EXPECT_EQ(viewSettingsFrom(settings).backgroundColour, kLightGrey);
}

} // namespace
} // namespace notavi
