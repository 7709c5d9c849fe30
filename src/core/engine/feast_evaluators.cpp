// The computed church-year and public-holiday blocks. Until they arrive they add nothing.

#include "core/engine/evaluators.h"

namespace notavi {

void evaluateEasterCycle(Evaluation&) {}

void evaluateAdventCycle(Evaluation&) {}

void evaluateHolidays(Evaluation&) {}

} // namespace notavi
