// Since-x-years anniversaries.
// Until their evaluation arrives the blocks are repaired and walked without entries.

#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"

namespace notavi {

void evaluateSinceYears(Evaluation& ev)
{
    skipBlockAfterRepair(ev, BlockKind::SinceYears);
}

} // namespace notavi
