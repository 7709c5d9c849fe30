#pragma once

// Which school-holiday block of a file counts: the view reads the last one, so the import fills it.

#include "core/model/appointment_file.h"

#include <cstddef>
#include <optional>

namespace notavi {

// The index of the last line that opens a "FER" block; nullopt when the file has none.
std::optional<std::size_t> schoolHolidayHeaderOfView(const Lines& lines);

} // namespace notavi
