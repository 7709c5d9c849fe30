#pragma once

// The check and repair of the info area (lines 1 to 11) after every load. It also removes blank
// lines after the info area and the blocks of older versions that the format no longer has.

#include "core/model/appointment_file.h"

namespace notavi {

// The eleven lines of a correct info area.
Lines standardInfoArea();

// Brings the info area into shape; returns whether any line was inserted, replaced or deleted.
// A list that passed once passes unchanged the next time.
bool repairInfoArea(Lines& lines);

} // namespace notavi
