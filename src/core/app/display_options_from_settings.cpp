#include "core/app/display_options_from_settings.h"

namespace notavi {

DisplayOptions displayOptionsFrom(const ViewSettings& view)
{
    DisplayOptions options;
    options.blockShown = view.showBlock;
    options.blockShown[blockNumber(BlockKind::Birthdays)] = view.birthdays != BirthdayMode::None;
    options.thousandDayBirthdays = view.birthdays == BirthdayMode::WithThousandDays;
    options.moonPhaseShown = view.moonPhases;
    options.moonPhaseTime = view.moonClockTime;
    options.weekdayToday = view.weekdayToday;
    options.weekdayRest = view.weekdayRest;
    options.separatorLines = view.separatorLines;
    return options;
}

} // namespace notavi
