#pragma once

// A pseudo-random appointment file of a given size with a realistic mix of every block, for
// benchmarks and robustness runs. The same seed gives the same file.

#include "core/model/appointment_file.h"

#include <cstdint>

namespace notavi::bench {

Lines sampleFile(int appointmentLines, std::uint32_t seed = 1);

// The same mix with every option combination, deliberately faulty lines (bad dates, weekdays,
// intervals, options, a missing bar, text outside the blocks), outdated headers and a missing end line.
Lines sampleFileWithFaults(int appointmentLines, std::uint32_t seed = 1);

} // namespace notavi::bench
