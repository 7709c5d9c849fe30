// The computed moon-phase block. Until it arrives it adds nothing.

#include "core/engine/evaluators.h"

namespace notavi {

void evaluateMoonPhase(Evaluation&, MoonPhase) {}

} // namespace notavi
