#include "core/app/block_selection.h"

namespace notavi {

BlockSelection blockSelectionOf(const BlockDisplaySettings& display)
{
    BlockSelection selection;
    selection.blocks = display.shown;
    selection.thousandDays = display.birthdays == BirthdayMode::WithThousandDays;
    selection.moonPhases = display.moonPhases;
    selection.moonClockTime = display.moonClockTime;
    return selection;
}

BlockDisplaySettings blockDisplayOf(const BlockSelection& selection)
{
    BlockDisplaySettings display;
    display.shown = selection.blocks;
    if (selection.thousandDays)
        display.birthdays = BirthdayMode::WithThousandDays;
    else if (!selection.blocks[blockNumber(BlockKind::Birthdays)])
        display.birthdays = BirthdayMode::None;
    else
        display.birthdays = BirthdayMode::Normal;
    display.moonPhases = selection.moonPhases;
    display.moonClockTime = selection.moonClockTime;
    return display;
}

} // namespace notavi
