#include "core/editor/block_jump.h"

#include "core/editor/editor_tabs.h"
#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/info_texts.h"

namespace notavi {
namespace {

std::optional<std::size_t> firstHeaderOf(const Lines& text, int block)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (BlockCatalogue::headerBlock(text[i]) == block)
            return i;
    return std::nullopt;
}

// The topmost of the comment lines directly above a header, below the info area's e-mail line.
std::size_t topOfComments(const Lines& text, std::size_t header)
{
    std::size_t top = header;
    while (top > 0 && text[top - 1].starts_with('*') && !isContactLine(text[top - 1]))
        --top;
    return top;
}

} // namespace

std::optional<TabJump> jumpOfTab(const Lines& text, int tab)
{
    if (tab == kFileStartTab)
        return TabJump{{}, 0, 0};
    const std::optional<int> block = blockOfTab(tab);
    if (!block)
        return std::nullopt;
    if (const std::optional<std::size_t> header = firstHeaderOf(text, *block))
        return TabJump{{}, *header, topOfComments(text, *header)};
    TabJump jump;
    appendBlock(jump.appended, *block);
    // The new block's last line above its end line: where its first appointment goes.
    jump.caretLine = text.size() + jump.appended.size() - 2;
    return jump;
}

} // namespace notavi
