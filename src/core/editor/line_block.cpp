#include "core/editor/line_block.h"

#include "core/model/block_catalogue.h"
#include "core/model/info_texts.h"
#include "core/model/windows1252.h"

namespace notavi {

LineBlock blockOfLine(const Lines& text, std::size_t line)
{
    if (line >= text.size())
        return {};
    // Comment lines above a header belong to its block, but are no appointments.
    bool changeable = true;
    std::size_t start = line;
    for (; start < text.size() && text[start].starts_with('*'); ++start) {
        changeable = false;
        if (isContactLine(text[start]))
            return {};
    }
    // Upwards to the header; an end line on the way closes an earlier block, so the line lies
    // outside of every block. The line directly above a header is never looked at: a header right
    // after the previous block's end line opens a block like any other.
    for (std::size_t i = start;; --i) {
        if (i < text.size())
            if (const std::optional<int> block = BlockCatalogue::headerBlock(text[i])) {
                const bool appointmentLine = line > i && !text[line].starts_with('@');
                return {*block, changeable && appointmentLine};
            }
        if (i == 0 || text[i - 1].starts_with('@'))
            return {};
    }
}

bool linesDeletableAt(std::size_t line)
{
    return line >= static_cast<std::size_t>(kInfoLineCount);
}

bool emptyLineInsertableAt(std::string_view line, bool changeable)
{
    // The first characters of the header codes.
    static constexpr std::string_view kHeaderInitials = "+EFGJMNSVWXZ_";
    if (!line.empty() && kHeaderInitials.find(toUpper1252(line.front())) != std::string_view::npos)
        return true;
    return changeable;
}

} // namespace notavi
