// The recurring blocks whose evaluation has not arrived yet.
// Until their evaluation arrives the blocks are repaired and walked without entries.

#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"

namespace notavi {

void evaluateXthWeekday(Evaluation& ev)
{
    skipBlockAfterRepair(ev, BlockKind::XthWeekday);
}

} // namespace notavi
