#pragma once

// The walk over the lines of one block that every user-block evaluator shares.

#include "core/engine/evaluation.h"

namespace notavi {

inline bool isEndLine(const std::string& line)
{
    return !line.empty() && line[0] == '@';
}

// Comment and deactivated lines inside a block are no appointments.
inline bool isSkippedBlockLine(const std::string& line)
{
    return !line.empty() && (line[0] == '*' || line[0] == '~');
}

// Calls evaluateLine for every appointment line from currentLine up to the block's end line
// (or the end of the file); leaves currentLine on the end line.
template <typename EvaluateLine>
void forEachAppointmentLine(Evaluation& evaluation, EvaluateLine evaluateLine)
{
    for (; !evaluation.atEnd() && !isEndLine(evaluation.line()); ++evaluation.currentLine) {
        if (isSkippedBlockLine(evaluation.line()))
            continue;
        evaluation.repeatEntry = false;
        evaluateLine();
        evaluation.repeatEntry = false;
    }
}

// Steps past the end line, or reports the block as not closed when the file ended inside it.
void finishBlock(Evaluation& evaluation, BlockKind block);

} // namespace notavi
