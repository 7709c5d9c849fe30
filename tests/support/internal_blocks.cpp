#include "support/internal_blocks.h"

namespace notavi::test {

EngineHarness internalBlocksOnly(std::initializer_list<BlockKind> shown)
{
    EngineHarness harness;
    harness.options.blockShown.fill(false);
    for (BlockKind block : shown)
        harness.options.blockShown[static_cast<std::size_t>(blockNumber(block))] = true;
    harness.options.separatorLines = false;
    return harness;
}

} // namespace notavi::test
