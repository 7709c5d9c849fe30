#pragma once

// The choice of the block selection dialog ("Terminblockauswahl"): one box per block, the
// thousand-day birthdays, the four moon phases and their clock time. The dialog is filled from the
// menu's switches and, on OK, the switches take its choice.

#include "core/app/settings.h"
#include "core/model/block_catalogue.h"

#include <array>

namespace notavi {

struct BlockSelection
{
    std::array<bool, kBlockCount> blocks{}; // index = block number
    bool thousandDays = false;              // "mit 1000er Tage"
    std::array<bool, kMoonPhaseCount> moonPhases{};
    bool moonClockTime = false;
    friend bool operator==(const BlockSelection&, const BlockSelection&) = default;
};

BlockSelection blockSelectionOf(const BlockDisplaySettings& display);

// The birthday mode follows the two birthday boxes: thousand days when that box is checked, none
// when the birthday box is not, else normal.
BlockDisplaySettings blockDisplayOf(const BlockSelection& selection);

} // namespace notavi
