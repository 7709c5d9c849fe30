#pragma once

// What the view evaluation needs to know from the settings, gathered in one plain struct so that the
// engine's own options can be filled from it in one place.

#include "core/app/settings.h"
#include "core/model/block_catalogue.h"

#include <array>

namespace notavi {

struct ViewSettings
{
    // Index = block number. Block 0 is on unless birthdays is None; block 16 is on while any phase is.
    std::array<bool, kBlockCount> showBlock = [] {
        std::array<bool, kBlockCount> all{};
        all.fill(true);
        return all;
    }();
    BirthdayMode birthdays = BirthdayMode::Normal;
    std::array<bool, kMoonPhaseCount> moonPhases = {true, true, true, true}; // index = MoonPhase
    bool moonClockTime = true;
    bool weekdayToday = true;   // weekday after the day word in the view of today and the next week
    bool weekdayRest = true;    // "Am <weekday>, dem <date>" in the other views
    bool separatorLines = true; // empty line between days
    std::array<int, kBlockCount> blockColours{}; // colour code 0..17 per block; 0 = none
    GuiColour fontColour = kWindowTextColour;
    GuiColour backgroundColour = kLightYellow;
    int startTab = 0; // view tab 0..4 selected at start

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

// The view's options from the settings. The block switches come out consistent even when the file's
// were not: birthdays show only when both the birthday item and the mode say so, and a moon phase only
// when the moon-phase item is on too (and that item counts as on only with a phase on).
ViewSettings viewSettingsFrom(const Settings& settings);

} // namespace notavi
