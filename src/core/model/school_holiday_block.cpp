#include "core/model/school_holiday_block.h"

#include "core/model/block_catalogue.h"

namespace notavi {

std::optional<std::size_t> schoolHolidayHeaderOfView(const Lines& lines)
{
    for (std::size_t i = lines.size(); i-- > 0;)
        if (BlockCatalogue::headerBlock(lines[i]) == blockNumber(BlockKind::SchoolHolidays))
            return i;
    return std::nullopt;
}

} // namespace notavi
