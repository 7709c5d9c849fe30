#include "core/editor/question_texts.h"

#include "core/editor/editor_tabs.h"

namespace notavi {

std::string_view questionExcerpt(std::string_view line)
{
    constexpr std::size_t kQuotedCharacters = 150;
    return line.substr(0, kQuotedCharacters);
}

std::string_view questionBlockName(BlockKind block)
{
    return std::string_view(editorTabCaption(tabOfBlock(blockNumber(block)))).substr(1);
}

} // namespace notavi
