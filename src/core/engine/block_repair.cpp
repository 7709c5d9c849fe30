// The repairs of the block structure made while the blocks are walked: outdated header lines and
// missing end lines.

#include "core/engine/evaluation.h"

#include <algorithm>
#include <optional>

namespace notavi {
namespace {

const std::string kEndLine = "@ E N D E";

bool isComment(const std::string& line)
{
    return !line.empty() && line[0] == '*';
}

bool isEndLineText(const std::string& line)
{
    return !line.empty() && line[0] == '@';
}

// Inserts end lines so that the k-th lands at positions[k] + k, as inserting them one after the
// other would; one beyond the end of the text is left out, and so are those after it.
void insertEndLinesAt(Lines& text, const std::vector<std::size_t>& positions)
{
    Lines rebuilt;
    rebuilt.reserve(text.size() + positions.size());
    std::size_t next = 0;
    for (std::size_t k = 0; k < positions.size() && positions[k] <= text.size(); ++k) {
        while (next < positions[k])
            rebuilt.push_back(std::move(text[next++]));
        rebuilt.push_back(kEndLine);
    }
    while (next < text.size())
        rebuilt.push_back(std::move(text[next++]));
    text = std::move(rebuilt);
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
    bool hasEndLine = false;
    const std::size_t end = blockEnd(currentLine, hasEndLine);
    if (hasEndLine && !takePendingEndLine(end))
        return;
    if (!hasEndLine) {
        // One insertion moves every later line; a file whose blocks all lack their end line would
        // take time by the square of its length. So the end lines of the later blocks go in now as
        // well, in one pass, and are reported when the walk reaches them.
        std::vector<std::size_t> positions = {end};
        findLaterMissingEndLines(end, positions);
        insertEndLines(positions);
    }
    corrected = true;
    reportLineError("Der Terminblock \"" + std::string(blockName) +
                        "\" wurde um die fehlende \"@ E N D E\"-Zeile erweitert.",
                    end, true, blockName);
}

// Where the block whose lines start at `from` ends: the index of its end line, or where the missing
// one goes (before the next header and the comment lines right before it, or at the end of the file).
std::size_t Evaluation::blockEnd(std::size_t from, bool& hasEndLine) const
{
    hasEndLine = false;
    if (from >= lines.size())
        return lines.size();
    std::size_t at = from;
    for (; at < lines.size(); ++at) {
        if (isEndLineText(lines[at])) {
            hasEndLine = true;
            return at;
        }
        if (BlockCatalogue::isHeaderLine(lines[at]))
            break;
    }
    return beforeComments(at, from);
}

// The comment lines right before a header belong to its block.
std::size_t Evaluation::beforeComments(std::size_t at, std::size_t from) const
{
    while (at > from && isComment(lines[at - 1]))
        --at;
    return at;
}

// Where the walk will insert end lines after `from`: every header opens a block that the walk
// reaches and repairs, except the school-holiday headers (the last of them is evaluated before the
// walk, the others are passed over without repair).
void Evaluation::findLaterMissingEndLines(std::size_t from, std::vector<std::size_t>& positions) const
{
    std::optional<std::size_t> open; // the header of a block without end line so far
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (isEndLineText(lines[i])) {
            open.reset();
            continue;
        }
        const std::optional<int> block = BlockCatalogue::headerBlock(lines[i]);
        if (!block)
            continue;
        if (open)
            positions.push_back(beforeComments(i, *open + 1));
        open = *block == blockNumber(BlockKind::SchoolHolidays) ? std::nullopt : std::optional(i);
    }
    if (open)
        positions.push_back(beforeComments(lines.size(), *open + 1));
}

// Inserts end lines before the given indices (ascending, as the lines are now) into the lines and,
// in the error check pass, into the editor's text.
void Evaluation::insertEndLines(const std::vector<std::size_t>& positions)
{
    // End lines inserted ahead before move down by the new ones before them.
    std::vector<std::size_t> pending(m_pendingEndLines.begin() +
                                         static_cast<std::ptrdiff_t>(m_nextPendingEndLine),
                                     m_pendingEndLines.end());
    for (std::size_t& index : pending)
        index += static_cast<std::size_t>(std::upper_bound(positions.begin(), positions.end(), index) -
                                          positions.begin());
    for (std::size_t k = 1; k < positions.size(); ++k)
        pending.push_back(positions[k] + k);
    std::sort(pending.begin(), pending.end());
    m_pendingEndLines = std::move(pending);
    m_nextPendingEndLine = 0;

    // Recorded as if inserted one by one (each index as the lines are at its insertion), for the
    // entries made before the walk whose lines move down.
    for (std::size_t k = 0; k < positions.size(); ++k)
        insertedLines.push_back(positions[k] + k);
    insertEndLinesAt(lines, positions);
    if (isErrorCheck() && context.mirror && context.mirror != &lines)
        insertEndLinesAt(*context.mirror, positions);
}

// Whether the end line at index was inserted ahead of the walk and not yet reported.
bool Evaluation::takePendingEndLine(std::size_t index)
{
    while (m_nextPendingEndLine < m_pendingEndLines.size() && m_pendingEndLines[m_nextPendingEndLine] < index)
        ++m_nextPendingEndLine;
    if (m_nextPendingEndLine == m_pendingEndLines.size() || m_pendingEndLines[m_nextPendingEndLine] != index)
        return false;
    ++m_nextPendingEndLine;
    return true;
}

} // namespace notavi
