#include "core/editor/block_jump.h"

#include "core/editor/editor_tabs.h"
#include "core/editor/line_block.h"
#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"

namespace notavi {
namespace {

std::optional<std::size_t> firstHeaderOf(const Lines& text, int block)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (BlockCatalogue::headerBlock(text[i]) == block)
            return i;
    return std::nullopt;
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
        return TabJump{{}, *header, leadingCommentsStart(text, *header)};
    TabJump jump;
    appendBlock(jump.appended, *block);
    // The new block's last line above its end line: where its first appointment goes.
    jump.caretLine = text.size() + jump.appended.size() - 2;
    return jump;
}

} // namespace notavi
