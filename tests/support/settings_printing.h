#pragma once

// gtest prints a Settings value as the INI text it would be saved as, so that a failed comparison
// shows the keys that differ instead of a byte dump.

#include "core/app/settings.h"

#include <ostream>

namespace notavi {

void PrintTo(const Settings& settings, std::ostream* out);

} // namespace notavi
