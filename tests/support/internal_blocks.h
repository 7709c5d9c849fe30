#pragma once

// A harness that shows only some of the computed blocks, without separator lines.

#include "support/engine_harness.h"

#include <initializer_list>

namespace notavi::test {

EngineHarness internalBlocksOnly(std::initializer_list<BlockKind> shown);

} // namespace notavi::test
