#include "core/engine/entry_colour.h"

#include "core/model/colour_table.h"

namespace notavi {
namespace {

int validCode(int code)
{
    return code >= 1 && code <= kColourCount ? code : 0;
}

} // namespace

int shownColourCode(const ViewEntry& entry, const std::array<int, kBlockCount>& blockColours)
{
    if (const int own = validCode(entry.colour))
        return own;
    const auto block = static_cast<std::size_t>(entry.block);
    return block < blockColours.size() ? validCode(blockColours[block]) : 0;
}

} // namespace notavi
