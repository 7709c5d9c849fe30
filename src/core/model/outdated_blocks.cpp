#include "core/model/outdated_blocks.h"

#include "core/model/block_catalogue.h"
#include "core/model/info_texts.h"
#include "core/model/windows1252.h"

#include <algorithm>

namespace notavi {
namespace {

bool isBlank(std::string_view line)
{
    return trimBlanks(line).empty();
}

// The first line of an outdated block.
bool opensOlderBlock(std::string_view line)
{
    // Asked of every line of the file: upper-cased in place, nothing allocated.
    if (line.size() < 6)
        return false;
    char upper[6];
    std::transform(line.begin(), line.begin() + 6, upper, [](char c) { return toUpper1252(c); });
    const std::string_view head(upper, 6);
    return head == "UEBERS" || head == "OSTERN" || head == "ADVENT" || head == "FEIERT";
}

// The leading comment lines of such a block; the info area's e-mail line is never one of them.
bool leadsOlderBlock(std::string_view line)
{
    return (isBlank(line) || line.front() == '*') && !isContactLine(line);
}

// The body of such a block: its "J" and "N" lines and its end line. A header line never belongs to
// it, although "Jährliche Termine" and "Namenstage" begin with the same letters.
bool inOlderBlock(std::string_view line)
{
    if (isBlank(line))
        return true;
    const char first = toUpper1252(line.front());
    return (first == '@' || first == 'J' || first == 'N') && !BlockCatalogue::isHeaderLine(line);
}

} // namespace

bool removeBlankAndOutdatedLines(Lines& lines, std::size_t from, std::size_t to, std::size_t keepAbove,
                                 ExtraLineTest dropAlso)
{
    bool removed = false;
    std::size_t written = to;
    const std::size_t count = lines.size();
    for (std::size_t i = from; i < count;) {
        std::string& line = lines[i];
        if (isBlank(line) || (dropAlso && dropAlso(line))) {
            removed = true;
            ++i;
            continue;
        }
        if (!opensOlderBlock(line)) {
            if (written != i)
                lines[written] = std::move(line);
            ++written;
            ++i;
            continue;
        }
        removed = true;
        ++i;
        while (written > keepAbove && leadsOlderBlock(lines[written - 1]))
            --written;
        // The block ends with its end line: what follows it belongs to the user.
        while (i < count && inOlderBlock(lines[i])) {
            const bool endLine = lines[i].starts_with('@');
            ++i;
            if (endLine)
                break;
        }
    }
    lines.resize(written);
    return removed;
}

} // namespace notavi
