#include "core/app/settings.h"

#include <algorithm>

namespace notavi {

void BlockDisplaySettings::setBirthdayMode(BirthdayMode mode)
{
    birthdays = mode;
    shown[blockNumber(BlockKind::Birthdays)] = mode != BirthdayMode::None;
}

void BlockDisplaySettings::setMoonPhase(MoonPhase phase, bool on)
{
    moonPhases[static_cast<std::size_t>(phase)] = on;
    shown[blockNumber(BlockKind::MoonPhases)] = std::ranges::any_of(moonPhases, [](bool p) { return p; });
}

} // namespace notavi
