#include "core/engine/block_walk.h"

namespace notavi {

void finishBlock(Evaluation& evaluation, BlockKind block)
{
    if (!evaluation.atEnd() && isEndLine(evaluation.line())) {
        ++evaluation.currentLine;
        return;
    }
    const std::string& name = BlockCatalogue::displayName(blockNumber(block));
    evaluation.reportLineError("Der Terminblock \"" + name +
                                   "\" wurde nicht mit einer \"@ E N D E\"-Zeile abgeschlossen.",
                               evaluation.currentLine, true, name);
}

} // namespace notavi
