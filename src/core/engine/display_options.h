#pragma once

// What the view shows: the block switches of the "Terminblockanzeige" menu and the display options.

#include "core/calendar/moon_phase.h"
#include "core/model/block_catalogue.h"

#include <array>

namespace notavi {

struct DisplayOptions
{
    DisplayOptions() { blockShown.fill(true); }

    // One switch per block number; block 16 (moon phases) is on when any phase is on.
    std::array<bool, kBlockCount> blockShown{};
    bool thousandDayBirthdays = false;
    std::array<bool, 4> moonPhaseShown{true, true, true, true};
    bool moonPhaseTime = true;
    bool weekdayToday = true;   // "(Montag)" after the day word of the week view
    bool weekdayRest = true;    // "Am Montag, dem ..." in the other views
    bool separatorLines = true; // an empty line after every day with entries

    bool shows(BlockKind block) const { return blockShown[static_cast<std::size_t>(block)]; }

    bool showsPhase(MoonPhase phase) const { return moonPhaseShown[static_cast<std::size_t>(phase)]; }
};

} // namespace notavi
