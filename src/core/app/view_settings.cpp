#include "core/app/view_settings.h"

#include <algorithm>

namespace notavi {
namespace {

constexpr std::size_t kBirthdayBlock = blockNumber(BlockKind::Birthdays);
constexpr std::size_t kMoonBlock = blockNumber(BlockKind::MoonPhases);

BirthdayMode birthdayDisplay(const BlockDisplaySettings& blocks)
{
    if (!blocks.shown[kBirthdayBlock])
        return BirthdayMode::None;
    switch (blocks.birthdays) {
    case BirthdayMode::WithThousandDays:
        return BirthdayMode::WithThousandDays;
    case BirthdayMode::Normal:
        return BirthdayMode::Normal;
    case BirthdayMode::None:
        break;
    }
    return BirthdayMode::None;
}

} // namespace

ViewSettings viewSettingsFrom(const Settings& settings)
{
    const BlockDisplaySettings& blocks = settings.blockDisplay;
    ViewSettings view;
    view.showBlock = blocks.shown;
    view.birthdays = birthdayDisplay(blocks);
    view.showBlock[kBirthdayBlock] = view.birthdays != BirthdayMode::None;
    for (std::size_t phase = 0; phase < view.moonPhases.size(); ++phase)
        view.moonPhases[phase] = blocks.shown[kMoonBlock] && blocks.moonPhases[phase];
    view.showBlock[kMoonBlock] = std::ranges::any_of(view.moonPhases, [](bool on) { return on; });
    view.moonClockTime = blocks.moonClockTime;
    view.weekdayToday = settings.view.weekdayToday;
    view.weekdayRest = settings.view.weekdayRest;
    view.separatorLines = settings.view.separatorLines;
    view.blockColours = settings.blockColours.codes;
    view.fontColour = settings.main.font.colour;
    view.backgroundColour = settings.main.background.effective();
    view.startTab = settings.startView.tab;
    return view;
}

} // namespace notavi
