#pragma once

// The block evaluators called by the view driver. A user-block evaluator starts with currentLine on
// its header line and returns with currentLine past the block's end line (the school-holiday
// evaluator stops on it); the computed blocks need no line.

#include "core/engine/evaluation.h"

namespace notavi {

void evaluateBirthdays(Evaluation& evaluation);
void evaluateNameDays(Evaluation& evaluation);
void evaluateSinceYears(Evaluation& evaluation);

void evaluateWeekly(Evaluation& evaluation);
// Two-, four- and six-weekly with period 14, 28, 42; every x days with period 0 (read per line).
void evaluateEveryNDays(Evaluation& evaluation, int periodDays, BlockKind block);
void evaluateMonthly(Evaluation& evaluation);
void evaluateYearly(Evaluation& evaluation);
void evaluateXthWeekday(Evaluation& evaluation);

void evaluateSchoolHolidays(Evaluation& evaluation);
void evaluateOneTime(Evaluation& evaluation);

void evaluateEasterCycle(Evaluation& evaluation);
void evaluateAdventCycle(Evaluation& evaluation);
void evaluateHolidays(Evaluation& evaluation);
void evaluateMoonPhase(Evaluation& evaluation, MoonPhase phase);

} // namespace notavi
