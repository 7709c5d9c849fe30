#include "core/editor/holiday_merge.h"

#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/school_holiday_block.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>
#include <unordered_set>

namespace notavi {
namespace {

bool beginsWithAt(std::string_view line)
{
    return !line.empty() && line.front() == '@';
}

Lines holidayBlockTemplate()
{
    Lines block;
    appendBlock(block, blockNumber(BlockKind::SchoolHolidays));
    return block;
}

// The template's header line: its block ends with the header and the end line.
std::size_t templateHeader(const Lines& block)
{
    return block.size() - 2;
}

std::span<const std::string> linesBelow(const Lines& lines, std::size_t header)
{
    return std::span<const std::string>(lines).subspan(header + 1);
}

// blockLines are the lines below the header at insertAt - 1, up to the end of the text; the block
// ends at the first line that begins with "@".
HolidayMerge mergeHolidays(std::span<const std::string> blockLines, std::size_t insertAt,
                           const Lines& candidates, const DuplicateQuestion& goOnAfterDuplicate)
{
    HolidayMerge merge;
    merge.insertAt = insertAt;
    // Views into the block and into the candidates, which outlive the merge; one look-up per line.
    std::unordered_set<std::string_view> present;
    const auto blockEnd = std::find_if(blockLines.begin(), blockLines.end(),
                                       [](const std::string& line) { return beginsWithAt(line); });
    present.insert(blockLines.begin(), blockEnd);
    for (const std::string& line : candidates) {
        if (!present.insert(line).second) {
            merge.duplicates.push_back(line);
            if (!goOnAfterDuplicate(line)) {
                merge.stopped = true;
                break;
            }
            continue;
        }
        merge.inserted.push_back(line);
    }
    return merge;
}

} // namespace

void HolidayMerge::applyTo(Lines& text) const
{
    text.insert(text.begin() + static_cast<std::ptrdiff_t>(insertAt), inserted.begin(), inserted.end());
}

void HolidayEdit::applyTo(Lines& text) const
{
    text.insert(text.end(), appendedBlock.begin(), appendedBlock.end());
    merge.applyTo(text);
}

HolidayEdit planHolidayImport(const Lines& text, const Lines& candidates,
                              const DuplicateQuestion& goOnAfterDuplicate)
{
    HolidayEdit edit;
    if (const auto header = schoolHolidayHeaderOfView(text)) {
        edit.merge = mergeHolidays(linesBelow(text, *header), *header + 1, candidates, goOnAfterDuplicate);
        return edit;
    }
    edit.appendedBlock = holidayBlockTemplate();
    const std::size_t header = templateHeader(edit.appendedBlock);
    edit.merge = mergeHolidays(linesBelow(edit.appendedBlock, header), text.size() + header + 1, candidates,
                               goOnAfterDuplicate);
    return edit;
}

HolidayListImport importHolidaysIntoList(Lines list, const Lines& candidates,
                                         const DuplicateQuestion& goOnAfterDuplicate)
{
    HolidayListImport result;
    result.lines = list.empty() ? defaultFile() : std::move(list);
    HolidayEdit edit = planHolidayImport(result.lines, candidates, goOnAfterDuplicate);
    result.blockAppended = !edit.appendedBlock.empty();
    edit.applyTo(result.lines);
    result.merge = std::move(edit.merge);
    return result;
}

} // namespace notavi
