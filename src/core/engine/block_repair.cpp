// The repairs of the block structure made while the blocks are walked: outdated header lines and
// missing end lines.

#include "core/engine/evaluation.h"

namespace notavi {
namespace {

const std::string kEndLine = "@ E N D E";

bool isComment(const std::string& line)
{
    return !line.empty() && line[0] == '*';
}

} // namespace

void Evaluation::adaptHeader(BlockKind block)
{
    const int number = blockNumber(block);
    const std::string& header = BlockCatalogue::headerText(number);
    if (!atEnd() && line() != header) {
        lines[currentLine] = header;
        corrected = true;
        if (isErrorCheck()) {
            if (context.mirror && context.mirror != &lines && currentLine < context.mirror->size())
                (*context.mirror)[currentLine] = header;
            reportLineError("Die einleitende Terminblockzeile des Terminblocks \"" +
                                BlockCatalogue::displayName(number) +
                                "\" wurde an die aktuelle Terminsyntax angepasst.",
                            currentLine, true, BlockCatalogue::displayName(number));
        }
    }
    ++currentLine;
    checkEndLine(BlockCatalogue::displayName(number));
}

void Evaluation::checkEndLine(std::string_view blockName)
{
    std::size_t insertAt = lines.size();
    if (currentLine < lines.size()) {
        std::size_t i = currentLine;
        for (;; ++i) {
            const std::string& text = lines[i];
            if (!text.empty() && text[0] == '@')
                return;
            const bool last = i + 1 == lines.size();
            if (BlockCatalogue::isHeaderLine(text)) {
                insertAt = i;
                break;
            }
            if (last) {
                insertAt = lines.size();
                break;
            }
        }
        // The comment lines right before the next header belong to the next block.
        while (insertAt > currentLine && isComment(lines[insertAt - 1]))
            --insertAt;
    }
    insertLine(insertAt, kEndLine);
    corrected = true;
    reportLineError("Der Terminblock \"" + std::string(blockName) +
                        "\" wurde um die fehlende \"@ E N D E\"-Zeile erweitert.",
                    insertAt, true, blockName);
}

void Evaluation::insertLine(std::size_t index, const std::string& text)
{
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), text);
    insertedLines.push_back(index);
    if (isErrorCheck() && context.mirror && context.mirror != &lines && index <= context.mirror->size())
        context.mirror->insert(context.mirror->begin() + static_cast<std::ptrdiff_t>(index), text);
}

} // namespace notavi
