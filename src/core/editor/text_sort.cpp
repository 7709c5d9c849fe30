#include "core/editor/text_sort.h"

#include "core/editor/sort_key.h"
#include "core/model/block_catalogue.h"
#include "core/model/windows1252.h"

#include <algorithm>
#include <optional>

namespace notavi {
namespace {

bool isBlank(std::string_view line)
{
    return trimBlanks(line).empty();
}

bool isCommentOrBlank(std::string_view line)
{
    return isBlank(line) || line[0] == '*';
}

// The index after a block's body that starts at `from`: its end line, or, when the end line is
// missing, the comment lines that lead the next block (or the end of the text).
std::size_t bodyEnd(const Lines& text, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (!text[i].empty() && text[i][0] == '@')
            return i;
        if (BlockCatalogue::isHeaderLine(text[i])) {
            while (i > from && isCommentOrBlank(text[i - 1]))
                --i;
            return i;
        }
    }
    return text.size();
}

struct KeyedLine
{
    std::string key; // upper-cased: the keys compare regardless of case
    std::size_t index;
};

void appendSortedBody(const Lines& text, std::size_t from, std::size_t to, BlockKind block, Lines& out)
{
    std::vector<KeyedLine> keyed;
    keyed.reserve(to - from);
    for (std::size_t i = from; i < to; ++i)
        if (!isBlank(text[i]))
            keyed.push_back({toUpper1252(sortKey(block, text[i])), i});
    // std::string compares its bytes as unsigned characters, so umlauts sort after ASCII.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const KeyedLine& a, const KeyedLine& b) { return a.key < b.key; });
    for (const KeyedLine& line : keyed)
        out.push_back(text[line.index]);
}

} // namespace

Lines sortText(const Lines& text)
{
    Lines out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::optional<int> block = BlockCatalogue::headerBlock(text[i]);
        if (block) {
            out.push_back(text[i]);
            const std::size_t end = bodyEnd(text, i + 1);
            appendSortedBody(text, i + 1, end, static_cast<BlockKind>(*block), out);
            i = end;
            continue;
        }
        if (!isBlank(text[i]))
            out.push_back(text[i]);
        ++i;
    }
    return out;
}

} // namespace notavi
