#pragma once

// Which colour an entry of the view is shown in, for every front end.

#include "core/engine/view_entry.h"
#include "core/model/block_catalogue.h"

#include <array>

namespace notavi {

// The entry's own colour code, else its block's colour code; 0 means the view's font colour.
// Codes outside 1..17 count as none.
int shownColourCode(const ViewEntry& entry, const std::array<int, kBlockCount>& blockColours);

} // namespace notavi
