#pragma once

// The view driver: evaluates every block of the file and the computed blocks for one view range.

#include "core/engine/evaluation.h"

#include <string>

namespace notavi {

struct EvaluationResult
{
    bool ok = true;
    std::string failure; // the message when the view mode is unknown
    ViewEntries entries; // sorted, with separator lines; filled by the normal pass only
    // The lines were repaired: the caller writes them back (except after the error check pass).
    bool corrected = false;
};

// viewMode is the tab index; the error check and alarm passes use the week view of length 0.
EvaluationResult evaluateView(Lines& lines, const EvaluationContext& context, DayNumber evaluationDate,
                              int viewMode, EvaluationPass pass = EvaluationPass::Normal);

} // namespace notavi
